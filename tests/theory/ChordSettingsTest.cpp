#include "theory/ChordSettings.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

ChordBoxes allTicked() {
    ChordBoxes boxes;
    boxes.triads.fill(true);
    boxes.sevenths.fill(true);
    boxes.appliedDominants.fill(true);
    boxes.appliedLeadingTones.fill(true);
    boxes.augmentedSixths.fill(true);
    boxes.neapolitan = true;
    return boxes;
}

TEST(ChordSettings, DefaultsAskOnlyTriads) {
    const ChordSettings settings;
    EXPECT_EQ(settings.enabledTriads(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(settings.enabledSevenths().empty());
    EXPECT_EQ(settings.total(), 7);
    EXPECT_EQ(settings.categoryWeight(), (std::array<float, 7>{0, 1, 1, 1, 1, 1, 1}));
}

TEST(ChordSettings, SelectAllWeighsEachCategoryByItsTicks) {
    ChordSettings settings;
    ASSERT_EQ(settings.accept(allTicked()), ChordRefusal::None);
    EXPECT_EQ(settings.total(), 30);
    const std::array<float, 7> expected{0.0f, 7.0f / 30, 13.0f / 30, 20.0f / 30, 26.0f / 30, 29.0f / 30, 1.0f};
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_FLOAT_EQ(settings.categoryWeight()[k], expected[k]) << "weight " << k;
}

TEST(ChordSettings, NeapolitanAloneIsEveryQuestion) {
    ChordSettings settings;
    ChordBoxes boxes;
    boxes.triads.fill(false);
    boxes.neapolitan = true;
    ASSERT_EQ(settings.accept(boxes), ChordRefusal::None);
    EXPECT_EQ(settings.categoryWeight(), (std::array<float, 7>{0, 0, 0, 0, 0, 0, 1}));
}

TEST(ChordSettings, RefusalsComeInOrderAndChangeNothing) {
    ChordSettings settings;
    const ChordBoxes before = settings.boxes();

    ChordBoxes none;
    none.triads.fill(false);
    EXPECT_EQ(settings.accept(none), ChordRefusal::NothingTicked);

    ChordBoxes bothSevenOnly;
    bothSevenOnly.appliedDominants[6] = true;
    bothSevenOnly.appliedLeadingTones[5] = true;
    EXPECT_EQ(settings.accept(bothSevenOnly), ChordRefusal::AppliedDominantVIIOnly);

    ChordBoxes leadingToneOnly;
    leadingToneOnly.appliedLeadingTones[5] = true;
    EXPECT_EQ(settings.accept(leadingToneOnly), ChordRefusal::AppliedLeadingToneVIIOnly);

    EXPECT_EQ(settings.boxes(), before);
    EXPECT_EQ(settings.total(), 7);
}

TEST(ChordSettings, VIIMinorOnlyIsFineBesideAnotherAppliedChord) {
    ChordSettings settings;
    ChordBoxes boxes;
    boxes.appliedDominants[6] = true;
    boxes.appliedDominants[4] = true;
    EXPECT_EQ(settings.accept(boxes), ChordRefusal::None);
    EXPECT_EQ(settings.enabledVof(), (std::vector<int>{4, 6}));
}

} // namespace
} // namespace tonalyst
