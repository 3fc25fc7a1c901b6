#include "worksheet/WorksheetAnswer.h"

#include "theory/AnswerPreparation.h"
#include "theory/Judge.h"

namespace tonalyst {

WorksheetAnswer worksheetAnswer(const Question& question, const CurrentKey& key,
                                const ActivityState& activity, InversionOption inversions) {
    // The same preparation and right-answer text the program uses when it asks.
    const PreparedAnswer prepared = prepareanswer(question, key, activity);
    const bool inversionList = inversionListInUse(question, activity, inversions);
    std::vector<int> positions;
    for (const Pitch& note : prepared.notes)
        positions.push_back(note.step + 1);
    return {prepared.acccode(), positions, prepared.hinttext,
            rightanswer(question, prepared, activity, inversions, inversionList).text};
}

} // namespace tonalyst
