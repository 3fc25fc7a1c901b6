#include "intervals/MidiTimeline.h"

#include "OneNoteMidi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tonalyst {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes header(int format, int tracks, int division) {
    return {'M',
            'T',
            'h',
            'd',
            0,
            0,
            0,
            6,
            0,
            static_cast<std::uint8_t>(format),
            0,
            static_cast<std::uint8_t>(tracks),
            static_cast<std::uint8_t>(division >> 8),
            static_cast<std::uint8_t>(division & 0xFF)};
}

Bytes track(const Bytes& events) {
    Bytes chunk{'M', 'T', 'r', 'k', 0, 0, 0, static_cast<std::uint8_t>(events.size())};
    chunk.insert(chunk.end(), events.begin(), events.end());
    return chunk;
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void expectMessage(const MidiMessage& message, double seconds, int status, int key) {
    EXPECT_NEAR(message.seconds, seconds, 1e-9);
    EXPECT_EQ(message.status, status);
    EXPECT_EQ(message.data1, key);
}

TEST(MidiTimeline, readsAOneNoteFileWithItsNoteAndLength) {
    OneNote note;
    note.key = 64;
    note.soundingSeconds = 0.5;
    note.lengthSeconds = 0.625;
    const auto timeline = parseMidiTimeline(oneNoteMidi(note));
    ASSERT_TRUE(timeline);
    ASSERT_EQ(timeline->messages.size(), 3u);
    expectMessage(timeline->messages[0], 0.0, 0xC0, 0);
    expectMessage(timeline->messages[1], 0.0, 0x90, 64);
    EXPECT_EQ(timeline->messages[1].data2, 90);
    expectMessage(timeline->messages[2], 0.5, 0x80, 64);
    EXPECT_NEAR(timeline->lengthSeconds, 0.625, 1e-9);
}

TEST(MidiTimeline, followsTempoChangesAndRunningStatus) {
    // 96 ticks a quarter; one second a quarter, then half a second from the first note-off.
    const Bytes file = join({header(0, 1, 96), track({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, //
                                                      0x00, 0x90, 60,   80,                     //
                                                      0x60, 60,   0,                            //
                                                      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, //
                                                      0x60, 0x90, 62,   80,                     //
                                                      0x60, 62,   0,                            //
                                                      0x00, 0xFF, 0x2F, 0x00})});
    const auto timeline = parseMidiTimeline(file);
    ASSERT_TRUE(timeline);
    ASSERT_EQ(timeline->messages.size(), 4u);
    expectMessage(timeline->messages[0], 0.0, 0x90, 60);
    expectMessage(timeline->messages[1], 1.0, 0x90, 60);
    expectMessage(timeline->messages[2], 1.5, 0x90, 62);
    expectMessage(timeline->messages[3], 2.0, 0x90, 62);
    EXPECT_NEAR(timeline->lengthSeconds, 2.0, 1e-9);
}

TEST(MidiTimeline, mergesTheTracksOfAMultiTrackFileInTimeOrder) {
    // The tempo track halves the default speed; the second track holds the note.
    const Bytes file = join(
        {header(1, 2, 480), track({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x83, 0x60, 0xFF, 0x2F, 0x00}),
         track({0x00, 0xC1, 5, 0x81, 0x70, 0x91, 67, 90, 0x81, 0x70, 0x81, 67, 0, 0x00, 0xFF, 0x2F, 0x00})});
    const auto timeline = parseMidiTimeline(file);
    ASSERT_TRUE(timeline);
    ASSERT_EQ(timeline->messages.size(), 3u);
    expectMessage(timeline->messages[0], 0.0, 0xC1, 5);
    expectMessage(timeline->messages[1], 0.5, 0x91, 67);
    expectMessage(timeline->messages[2], 1.0, 0x81, 67);
    EXPECT_NEAR(timeline->lengthSeconds, 1.0, 1e-9);
}

TEST(MidiTimeline, refusesWhatIsNotAWholeMidiFile) {
    const Bytes good = oneNoteMidi(OneNote{});
    EXPECT_FALSE(parseMidiTimeline(Bytes(good.begin(), good.end() - 5)));
    EXPECT_FALSE(parseMidiTimeline(Bytes(good.begin() + 1, good.end())));
    EXPECT_FALSE(parseMidiTimeline(Bytes{}));
    EXPECT_FALSE(parseMidiTimeline(join({header(0, 1, 0xE728), track({0x00, 0xFF, 0x2F, 0x00})})));
    EXPECT_FALSE(parseMidiTimeline(join({header(0, 1, 96), track({0x00, 60, 80, 0x00, 0xFF, 0x2F, 0x00})})));
    EXPECT_FALSE(readMidiTimeline("/nonexistent/folder/C3.MID"));
}

} // namespace
} // namespace tonalyst
