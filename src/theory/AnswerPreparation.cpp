#include "theory/AnswerPreparation.h"

#include "theory/Translate.h"

namespace tonalyst {

namespace {

// Up to three octaves down, as far as the lowest note allows.
void normaliseOctave(std::vector<Pitch>& notes) {
    for (int round = 0; round < 3; ++round) {
        if (notes.empty() || notes.front().step <= 6)
            return;
        for (Pitch& note : notes)
            note.step -= 7;
    }
}

} // namespace

PreparedAnswer prepareanswer(const Question& question, const CurrentKey& key, const ActivityState& activity) {
    PreparedAnswer prepared;
    prepared.notes = question.notes;
    prepared.hinttext = question.hint;
    const bool neverNatural = activity.current.intervals || activity.current.byEar;

    for (Pitch& note : prepared.notes) {
        note.naturalSign = note.alter == 0;
        for (std::size_t j = 0; j < key.scaleletter.size(); ++j) {
            if (note.step != key.scaleletter[j] || note.alter != 0)
                continue;
            if (neverNatural || key.keysigacc[j] == 0)
                note.naturalSign = false;
            else
                prepared.hinttext = translate("AnswerPreparation", "You may be missing a natural sign.");
        }
    }

    normaliseOctave(prepared.notes);
    // The staff has no C-flat below its first C, so a chord on C-flat is judged an octave up.
    if (!prepared.notes.empty() && prepared.notes.front().step == 0 && prepared.notes.front().alter == -1)
        for (Pitch& note : prepared.notes)
            note.step += 7;
    return prepared;
}

std::vector<int> PreparedAnswer::acccode() const {
    std::vector<int> codes;
    for (const Pitch& note : notes)
        codes.push_back(note.code());
    return codes;
}

} // namespace tonalyst
