#pragma once

// Every chord question of every key: each chord box, each coin and each inversion. Shared
// by the theory tests, which check each chord's notes, and the staff tests, which draw them.
#include "support/ScriptedRandom.h"
#include "theory/ChordSettings.h"
#include "theory/Key.h"
#include "theory/KeyPicker.h"
#include "theory/QuestionMaker.h"
#include "theory/TheoryTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace tonalyst::test {

inline ChordBoxes everyChordBoxes() {
    ChordBoxes boxes;
    boxes.sevenths.fill(true);
    boxes.appliedDominants.fill(true);
    boxes.appliedLeadingTones.fill(true);
    boxes.augmentedSixths.fill(true);
    boxes.neapolitan = true;
    return boxes;
}

inline QuestionSettings everyChord(bool mixture) {
    ChordBoxes boxes = everyChordBoxes();
    boxes.triadMixture = mixture;
    boxes.seventhMixture = mixture;
    QuestionSettings settings;
    settings.chords.accept(boxes);
    settings.inversions = InversionOption::Basic;
    return settings;
}

inline std::size_t listSize(const ChordSettings& chords, int category) {
    switch (category) {
    case 0:
        return chords.enabledTriads().size();
    case 1:
        return chords.enabledSevenths().size();
    case 2:
        return chords.enabledVof().size();
    case 3:
        return chords.enabledViiof().size();
    case 4:
        return chords.enabledAug6().size();
    default:
        return 1;
    }
}

// Every chord question of every key: each chord box, each coin and each inversion.
template <typename Check> void sweepChordQuestions(const ActivityState& activity, Check check) {
    static constexpr double kDraws[]{0.05, 0.55, 0.3, 0.8, 0.99};
    for (const bool mixture : {false, true}) {
        const QuestionSettings settings = everyChord(mixture);
        const auto& weight = settings.chords.categoryWeight();
        for (const CurrentKey& pickedKey : allKeys()) {
            for (int category = 0; category < 6; ++category) {
                const std::size_t count = listSize(settings.chords, category);
                for (std::size_t box = 0; box < count; ++box) {
                    for (double coin : kDraws) {
                        for (double inversion : kDraws) {
                            ScriptedRandom random;
                            const auto c = static_cast<std::size_t>(category);
                            random.push((weight[c] + weight[c + 1]) / 2.0);
                            if (category != 5) // the Neapolitan has no list to draw from
                                random.push((static_cast<double>(box) + 0.5) / static_cast<double>(count));
                            random.push(coin);
                            random.push(inversion);
                            CurrentKey key = pickedKey;
                            key.keyText = "  In the key of " +
                                          keyName(key.tonicletter, key.tonicaccidental, key.keymode);
                            const QuestionContext context{settings, activity, random};
                            const std::optional<Question> q = makequestion(key, context);
                            ASSERT_TRUE(q.has_value());
                            check(*q, pickedKey);
                        }
                    }
                }
            }
        }
    }
}

} // namespace tonalyst::test
