#include "theory/WorksheetAnswer.h"

#include "theory/ChordNames.h"

namespace tonalyst {

namespace {

// The accidental value with 99 for a natural that needs no sign: in the interval
// activities and ear training never, elsewhere where the key signature leaves it natural.
int preparedAccidental(const SpelledNote& note, const CurrentKey& key, bool naturalsUnsigned,
                       std::string& hint) {
    if (note.accidental != 0)
        return note.accidental;
    for (std::size_t j = 0; j < key.scaleletter.size(); ++j) {
        if (key.scaleletter[j] != note.step)
            continue;
        if (naturalsUnsigned || key.keysigacc[j] == 0)
            return kNoSignNeeded;
        hint = "You may be missing a natural sign.";
    }
    return 0;
}

} // namespace

WorksheetAnswer worksheetAnswer(const Question& question, const CurrentKey& key,
                                const ActivityState& activity, InversionOption inversions) {
    WorksheetAnswer answer;
    answer.hint = question.hint;
    const bool naturalsUnsigned =
        isIntervalType(activity.currenttype) || activity.currentmode == ActivityMode::EarTraining;
    for (const SpelledNote& note : question.notes)
        answer.accidentalCodes.push_back(
            accidentalCode(preparedAccidental(note, key, naturalsUnsigned, answer.hint)).value_or(NoSign));

    if (activity.currenttype == QuestionType::Spell || activity.currenttype == QuestionType::IntSpell) {
        for (std::size_t i = 0; i < question.notes.size(); ++i) {
            const int letter = letterIndex(question.notes[i].step);
            answer.text += "  " + std::string(lettername[static_cast<std::size_t>(letter + 1)]) +
                           std::string(accname[static_cast<std::size_t>(answer.accidentalCodes[i])]);
        }
        return answer;
    }

    // The inversion list is shown for every inverted chord question but augmented sixths.
    const bool inversionShown = inversions != InversionOption::Off &&
                                activity.currentmode == ActivityMode::None &&
                                question.category != kAug6Category;
    if (inversionShown && inversions == InversionOption::FiguredBass) {
        answer.text = question.figLabel;
        return answer;
    }
    answer.text = question.category + " " + question.name;
    if (activity.currentmode != ActivityMode::KeySigId && activity.currenttype != QuestionType::IntId)
        answer.text += "\r\n(" + question.keyText + " )";
    if (inversionShown)
        answer.text += " " + question.invLabel;
    return answer;
}

} // namespace tonalyst
