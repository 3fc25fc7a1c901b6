#pragma once

#include "theory/Pitch.h"

#include <optional>
#include <string>
#include <string_view>

namespace tonalyst {

// How a person names notes: English letters (B, B-flat), German letters (H, B, Es, Fis) or
// fixed-do syllables (Si, Si♭). Only what a person reads follows it: the data file, the
// history, the class server and JSON keep English letters (noteName, pitchText) whatever
// the naming.
enum class NoteNaming { English, German, FixedDo };

// The naming shown names follow. The program sets it at start and when the student picks
// another; reports and worksheets built on worker threads read it, so it is kept atomically.
void setNoteNaming(NoteNaming naming);
NoteNaming noteNaming();

// The naming's code in settings files: "english", "german", "fixeddo".
std::string_view namingCode(NoteNaming naming);
std::optional<NoteNaming> namingFromCode(std::string_view code);
// The naming a language's students learn: German letters in German ("de", "de_AT"), fixed
// do in the Romance languages, English letters elsewhere.
NoteNaming namingForLanguage(std::string_view language);

// "B-flat", "B", "Si♭": a note in lists, prompts, worksheets and Progress.
std::string shownNoteName(const Pitch& pitch);
// The key on a tonic, as the key line and the menus name it; lower case for minor, as the
// answer menus write minor keys: "B-flat major", "b-Moll", "Si♭ majeur".
std::string shownKeyName(const Pitch& tonic, bool minor);
// "E-flat 4", "Es 4", "Mi bémol 4": the note with its octave as the staff's text reads it out.
std::string spokenName(const Pitch& pitch);
// "C sharp 4", "Cis 4", "Do dièse 4": a key of the on-screen keyboard.
std::string keyboardName(const Pitch& pitch);
// "C ", "C-sharp ", "C-dblShrp": the note as the right answer and the question show it.
std::string answerName(const Pitch& pitch);

// A keyboard key's spelling mark: the letter or syllable, and the sign drawn after it.
// German B-flat is a bare "B" and B natural "H"; B-double-flat is "B" with a flat.
struct NoteMark {
    std::string name;
    AccidentalCode sign = NoSign;
    bool operator==(const NoteMark&) const = default;
};
NoteMark noteMark(const Pitch& pitch);

// A note as a student types it: the naming's own names first ("B" is B-flat in German,
// "Sib" B-flat in fixed do), then English letters as readPitch reads them, which are always
// understood; ♯ ♭ ♮ may stand for # b n. Nothing when the text is not one note.
std::optional<ReadPitch> readNoteName(std::string_view text);

} // namespace tonalyst
