#include "activities/chordidentification/ChordIdentification.h"

#include "activities/PaperText.h"
#include "theory/ChordNames.h"
#include "theory/Translate.h"

namespace tonalyst {

ChordIdentification::ChordIdentification()
    : NamingActivity({"mnuIdentify", "chord-id", "Chord", "chords"},
                     {.names = true, .recordCode = "identify"}) {}

std::string ChordIdentification::caption() const {
    return translate("ChordIdentification", "Chord &Identification");
}

std::string ChordIdentification::statusText() const {
    return translate("ChordIdentification", "chord ID");
}

std::string ChordIdentification::title() const {
    return translate("ChordIdentification", "Chord Identification");
}

bool ChordIdentification::needsSecondChoice(const AnswerParts& answer) const {
    // The Neapolitan is named by its category alone.
    return answer.answer1 != kFlat2Category;
}

bool ChordIdentification::usesInversionList(const Question& question, InversionOption inversions) const {
    // An augmented sixth is named by its kind in any inversion.
    return inversions != InversionOption::Off && question.category != kAug6Category;
}

std::vector<std::string> ChordIdentification::worksheetContext(const Question& question,
                                                               const KeySigDisplay& display,
                                                               bool withStaff) const {
    std::vector<std::string> lines;
    if (!withStaff || display.written || display.both)
        lines.push_back(paper::keyLine(question));
    if (!withStaff)
        lines.push_back(translate("ChordIdentification", "Notes, lowest first: ") +
                        paper::noteList(question.notes));
    return lines;
}

Activity::PaperStaff ChordIdentification::worksheetStaff(const Question&, const KeySigDisplay& display,
                                                         const std::vector<WrittenNote>& answerNotes) const {
    return {display.symbolic || display.both, answerNotes};
}

std::string ChordIdentification::worksheetInstruction(InversionOption inversions) const {
    switch (inversions) {
    case InversionOption::Basic:
        return translate("ChordIdentification", "Name each chord and its inversion.");
    case InversionOption::FiguredBass:
        return translate("ChordIdentification", "Name each chord with its Roman numeral and figures.");
    case InversionOption::Off:
        break;
    }
    return translate("ChordIdentification", "Name each chord with its Roman numeral.");
}

std::string ChordIdentification::paperAnswer(const Question& question, const std::string& answerLine,
                                             InversionOption inversions) const {
    const std::string name = textbookChordName(question, inversions);
    if (name.empty())
        return answerLine;
    const std::string key = paper::shownKey(question);
    return key.empty() ? name : paper::filled(translate("ChordIdentification", "%1 in %2"), {name, key});
}

} // namespace tonalyst
