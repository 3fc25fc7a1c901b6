#include "theory/KeySettings.h"

#include "TheoryTestSupport.h"

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::onlyBoxes;

TEST(KeySettings, DefaultsEnableSevenMajorAndSevenMinorKeys) {
    const KeySettings settings;
    EXPECT_EQ(settings.mode(), KeyMode::MajorMinor);
    const std::vector<EnabledKey> major{{0, 0, 0}, {4, 0, 1}, {1, 0, 2}, {5, 0, 3},
                                        {3, 0, 1}, {6, -1, 2}, {2, -1, 3}};
    EXPECT_EQ(settings.majorKeys().keys, major);
    EXPECT_EQ(settings.majorKeys().sharpCount, 4);
    const std::vector<EnabledKey> minor{{5, 0, 0}, {2, 0, 1}, {6, 0, 2}, {3, 1, 3},
                                        {1, 0, 1}, {4, 0, 2}, {0, 0, 3}};
    EXPECT_EQ(settings.minorKeys().keys, minor);
}

TEST(KeySettings, FlatBoxAloneGivesFlatSideKeysOnly) {
    KeySettings settings;
    ASSERT_TRUE(settings.accept(onlyBoxes({}, {0}, KeyMode::MajorMinor)));
    EXPECT_EQ(settings.majorKeys().keys, (std::vector<EnabledKey>{{3, 0, 1}}));
    EXPECT_EQ(settings.majorKeys().sharpCount, 0);
    EXPECT_EQ(settings.minorKeys().keys, (std::vector<EnabledKey>{{1, 0, 1}}));
}

TEST(KeySettings, MinorModeLeavesTheMajorListAlone) {
    KeySettings settings;
    const auto majorBefore = settings.majorKeys().keys;
    ASSERT_TRUE(settings.accept(onlyBoxes({7}, {6}, KeyMode::Minor)));
    EXPECT_EQ(settings.majorKeys().keys, majorBefore);
    EXPECT_EQ(settings.minorKeys().keys, (std::vector<EnabledKey>{{5, 1, 7}, {5, -1, 7}}));
    EXPECT_EQ(settings.minorKeys().sharpCount, 1);
}

TEST(KeySettings, EmptySelectionIsRefusedAndKeepsTheLastAcceptedState) {
    KeySettings settings;
    const KeyBoxes before = settings.boxes();
    const auto majorBefore = settings.majorKeys().keys;
    EXPECT_FALSE(settings.accept(onlyBoxes({}, {}, KeyMode::Major)));
    EXPECT_EQ(settings.boxes(), before);
    EXPECT_EQ(settings.majorKeys().keys, majorBefore);
}

} // namespace
} // namespace tonalyst
