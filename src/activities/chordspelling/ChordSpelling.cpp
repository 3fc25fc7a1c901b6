#include "activities/chordspelling/ChordSpelling.h"

#include "activities/PaperText.h"
#include "theory/Translate.h"

namespace tonalyst {

ChordSpelling::ChordSpelling()
    : SpellingActivity({"mnuspell", "chord-spell", "Chord", "chords"}, {.recordCode = "spell"}) {}

std::string ChordSpelling::caption() const {
    return translate("ChordSpelling", "Chord &Spelling");
}

std::string ChordSpelling::statusText() const {
    return translate("ChordSpelling", "chord spell");
}

std::string ChordSpelling::title() const {
    return translate("ChordSpelling", "Chord Spelling");
}

std::vector<std::string> ChordSpelling::worksheetContext(const Question& question, const KeySigDisplay&,
                                                         bool) const {
    return {paper::keyLine(question)};
}

std::string ChordSpelling::worksheetPrompt(const Question& question, InversionOption inversions,
                                           bool withStaff) const {
    // The window's "vii-dim6-5-3 of ii" as a textbook prints it.
    if (withStaff && !question.figLabel.empty())
        return textbookChordName(question, inversions);
    return Activity::worksheetPrompt(question, inversions, withStaff);
}

std::string ChordSpelling::worksheetInstruction(InversionOption) const {
    return translate("ChordSpelling", "Write each chord on the staff.");
}

std::string ChordSpelling::paperAnswer(const Question&, const std::string& answerLine,
                                       InversionOption) const {
    std::string notes = paper::commaList(answerLine);
    paper::replaceAll(notes, "-dblShrp", "-double-sharp");
    paper::replaceAll(notes, "-dblFlat", "-double-flat");
    return notes;
}

} // namespace tonalyst
