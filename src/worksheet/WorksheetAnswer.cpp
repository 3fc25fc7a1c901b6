#include "worksheet/WorksheetAnswer.h"

#include "theory/AnswerPreparation.h"

namespace tonalyst {

WorksheetAnswer worksheetAnswer(const Question& question, const CurrentKey& key, const Activity& activity,
                                InversionOption inversions) {
    // The same preparation and right-answer text the program uses when it asks.
    const PreparedAnswer prepared = prepareanswer(question, key, activity.settledState());
    const bool inversionList = activity.usesInversionList(question, inversions);
    std::vector<int> positions;
    for (const Pitch& note : prepared.notes)
        positions.push_back(note.step + 1);
    return {prepared.acccode(), positions, prepared.hinttext,
            activity.rightAnswer(question, prepared, inversions, inversionList).text};
}

} // namespace tonalyst
