#include "intervals/MidiTimeline.h"
#include "intervals/ToneFileName.h"
#include "theory/Pitch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tonalyst {
namespace {

const std::filesystem::path kToneDir(TONALYST_BUILT_TONE_DIR);

struct ToneName {
    std::string file;
    int pitch;
};

// Letters A to G, octave digits 1 to 4, plain and "#": every name the staff's notes use.
std::vector<ToneName> staffToneNames() {
    const std::string letters = "CDEFGAB";
    const int semitones[] = {0, 2, 4, 5, 7, 9, 11};
    std::vector<ToneName> names;
    for (int digit = 1; digit <= 4; ++digit) {
        for (std::size_t l = 0; l < letters.size(); ++l) {
            const int pitch = 12 * (digit + 2) + semitones[l];
            const std::string stem = letters[l] + std::to_string(digit);
            names.push_back({stem + ".MID", pitch});
            names.push_back({stem + "#.MID", pitch + 1});
        }
    }
    return names;
}

TEST(GeneratedTones, eachFileSoundsOnePianoNoteOfThePitchItsNameGives) {
    for (const ToneName& name : staffToneNames()) {
        SCOPED_TRACE(name.file);
        const auto timeline = readMidiTimeline((kToneDir / name.file).string());
        ASSERT_TRUE(timeline);
        int noteOns = 0;
        for (const MidiMessage& message : timeline->messages) {
            if ((message.status & 0xF0) == 0xC0) {
                EXPECT_EQ(message.data1, 0);
            }
            if ((message.status & 0xF0) == 0x90 && message.data2 > 0) {
                ++noteOns;
                EXPECT_EQ(message.data1, name.pitch);
                EXPECT_NEAR(message.data2, 90, 10);
            }
        }
        EXPECT_EQ(noteOns, 1);
        EXPECT_GE(timeline->lengthSeconds, 0.6);
        EXPECT_LE(timeline->lengthSeconds, 0.8);
    }
}

TEST(GeneratedTones, everyNoteTheStaffCanShowHasItsFile) {
    for (const ToneClef clef : {ToneClef::Treble, ToneClef::Bass}) {
        for (int code = NoSign; code <= DoubleFlat; ++code) {
            for (int position = 1; position <= 14; ++position) {
                const auto file = playnotesFileName(code, position, clef);
                ASSERT_TRUE(file);
                EXPECT_TRUE(std::filesystem::is_regular_file(kToneDir / *file)) << *file;
            }
        }
    }
}

} // namespace
} // namespace tonalyst
