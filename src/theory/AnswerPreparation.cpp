#include "theory/AnswerPreparation.h"

namespace tonalyst {

namespace {

// Up to three octaves down, as far as the lowest note allows.
void normaliseOctave(std::vector<SpelledNote>& notes) {
    for (int round = 0; round < 3; ++round) {
        if (notes.empty() || notes.front().step <= 6)
            return;
        for (SpelledNote& note : notes)
            note.step -= 7;
    }
}

} // namespace

PreparedAnswer prepareanswer(const Question& question, const CurrentKey& key, const ActivityState& activity) {
    PreparedAnswer prepared;
    prepared.notes = question.notes;
    prepared.hinttext = question.hint;
    const bool neverNatural =
        isIntervalType(activity.currenttype) || activity.currentmode == ActivityMode::EarTraining;

    for (SpelledNote& note : prepared.notes) {
        for (std::size_t j = 0; j < key.scaleletter.size(); ++j) {
            if (note.step != key.scaleletter[j] || note.accidental != 0)
                continue;
            if (neverNatural || key.keysigacc[j] == 0)
                note.accidental = kNoSignNeeded;
            else
                prepared.hinttext = std::string(kNaturalSignHint);
        }
        prepared.acccode.push_back(accidentalCode(note.accidental).value_or(NoSign));
    }

    normaliseOctave(prepared.notes);
    // The staff has no C-flat below its first C, so a chord on C-flat is judged an octave up.
    if (!prepared.notes.empty() && prepared.notes.front().step == 0 &&
        prepared.notes.front().accidental == -1)
        for (SpelledNote& note : prepared.notes)
            note.step += 7;
    return prepared;
}

} // namespace tonalyst
