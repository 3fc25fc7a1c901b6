#pragma once

#include "theory/Question.h"
#include "theory/QuestionSettings.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// A chord as a textbook names it: "V⁶₅/vi", "vii°7", "ii°⁶", "♭VI", "N⁶", "Ger+6", with its
// figures when the inversions are figured, else its inversion in words; empty for a
// question that is no chord.
std::string textbookChordName(const Question& question, InversionOption inversions);

// "major triad", "dominant seventh": a chord ear-training question's quality and kind in
// words, in the language of the sheet; the question's own words where it names another.
std::string chordInWords(const Question& question);

// "major third": an interval question's quality and name in words, in the language of the
// sheet ("große Terz", "tierce majeure").
std::string intervalInWords(const Question& question);

// The pieces activities write worksheets with.
namespace paper {

std::string trimmed(std::string_view text);
void replaceAll(std::string& text, std::string_view from, std::string_view to);
// "  In the key of E-flat major" → "E-flat major" (data, English).
std::string keyOf(const Question& question);
// The same key as a person reads it, in the note naming: "E-flat major", "Es-Dur", "Mi♭ majeur".
std::string shownKey(const Question& question);
// The question's key line as a sheet prints it: "In the key of E-flat major", "In Es-Dur";
// empty where the question names no key.
std::string keyLine(const Question& question);
// "Third :" → "third".
std::string intervalWord(const std::string& category);
// "C  E  G" → "C, E, G".
std::string commaList(const std::string& spaced);
// " (played: C, E, G)", in the order they sound, the notes in the note naming.
std::string playedNotes(const Question& question);
// "C  E  G": notes two blanks apart, as listed, in the note naming; soundedNotes in the
// order they sound.
std::string noteList(const std::vector<Pitch>& notes);
std::string soundedNotes(const Question& question);
// A translated text with its %1, %2, ... filled in, as Qt's arg() does.
std::string filled(std::string text, std::initializer_list<std::string> args);

} // namespace paper

} // namespace tonalyst
