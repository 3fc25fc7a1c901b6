#include "activities/PlayedNotes.h"
#include "theory/SignatureSigns.h"

#include <gtest/gtest.h>

#include <optional>

namespace tonalyst {
namespace {

Pitch note(std::string_view text) {
    return readPitch(text)->pitch;
}

int keyOf(std::string_view text) {
    return kMiddleCKey + note(text).semitones();
}

TEST(PlayedNotes, APlayedChordIsReadInAnyVoicingAndOctave) {
    struct Case {
        std::vector<int> keys;
        std::optional<int> questionRoot;
        std::string_view category;
        std::string_view quality;
        int inversion;
    };
    const std::vector<Case> cases{
        // Close, open, doubled and an octave apart: the pitch classes and the bass decide.
        {{60, 64, 67}, std::nullopt, "Triad :", "major", 0},
        {{52, 60, 67, 76}, std::nullopt, "Triad :", "major", 1},
        {{43, 64, 72, 84}, std::nullopt, "Triad :", "major", 2},
        {{57, 60, 64}, std::nullopt, "Triad :", "minor", 0},
        {{71, 62, 65}, std::nullopt, "Triad :", "diminished", 1},
        {{55, 59, 62, 65}, std::nullopt, "Seventh :", "dominant (major-minor)", 0},
        {{53, 67, 71, 74}, std::nullopt, "Seventh :", "dominant (major-minor)", 3},
        {{48, 52, 55, 59}, std::nullopt, "Seventh :", "major", 0},
        {{62, 65, 69, 72}, std::nullopt, "Seventh :", "minor", 0},
        {{59, 62, 65, 69}, std::nullopt, "Seventh :", "half-diminished", 0},
        // Alike on every note: the question's root, when played, is the root.
        {{64, 68, 72}, 72, "Triad :", "augmented", 1},
        {{59, 62, 65, 68}, 62, "Seventh :", "diminished", 3},
    };
    for (const Case& c : cases) {
        const auto chord = readPlayedChord(c.keys, c.questionRoot);
        ASSERT_TRUE(chord) << c.quality;
        EXPECT_EQ(chord->category, c.category) << c.quality << " " << c.inversion;
        EXPECT_EQ(chord->quality, c.quality) << c.quality << " " << c.inversion;
        EXPECT_EQ(chord->inversion, c.inversion) << c.quality << " " << c.inversion;
    }
    // No triad or seventh: a cluster, a bare fifth, a sus chord.
    for (const std::vector<int>& keys : {std::vector<int>{60, 61, 62}, {60, 67}, {60, 65, 67}})
        EXPECT_FALSE(readPlayedChord(keys, std::nullopt)) << keys.size();
}

TEST(PlayedNotes, AnIntervalIsReadFromTwoKeysEitherWayAndWithinTheOctave) {
    struct Case {
        std::vector<int> keys;
        std::string_view type;
        std::string_view quality;
    };
    const std::vector<Case> cases{
        {{60, 60}, "Unison : ", "perfect"}, {{60, 63}, "Third :", "minor"},
        {{67, 60}, "Fifth :", "perfect"},   {{60, 66}, "Fifth :", "diminished"},
        {{60, 72}, "Octave :", "perfect"},  {{60, 76}, "Third :", "major"},
        {{48, 71}, "Seventh :", "major"},   {{62, 61}, "Second :", "minor"},
    };
    for (const Case& c : cases) {
        const auto interval = readPlayedInterval(c.keys);
        ASSERT_TRUE(interval) << c.type;
        EXPECT_EQ(interval->type, c.type) << c.keys[0] << "-" << c.keys[1];
        EXPECT_EQ(interval->quality, c.quality) << c.keys[0] << "-" << c.keys[1];
    }
    EXPECT_FALSE(readPlayedInterval({60}));
    EXPECT_FALSE(readPlayedInterval({60, 64, 67}));
}

TEST(PlayedNotes, APlayedKeyIsSpelledFromTheKeyThenTheAskedNotesThenAsCommonlyWritten) {
    const auto sharps = [](int count) { return signatureAlterations(SignatureKind::Sharp, count); };
    const auto flats = [](int count) { return signatureAlterations(SignatureKind::Flat, count); };
    struct Case {
        std::string_view played;
        std::array<int, 7> signature;
        std::vector<Pitch> asked;
        std::string_view written;
    };
    const std::vector<Case> cases{
        {"F#4", sharps(1), {}, "F#4"}, // the key's own letter
        {"A#4", flats(2), {}, "Bb4"},  // the key's letter, whatever was pressed
        {"C5", sharps(7), {}, "B#4"},  // C-sharp major writes B-sharp
        {"B3", flats(3), {note("G3"), note("B3"), note("D4")}, "Bn3"}, // V of vi in E-flat: as asked
        {"Ab4", sharps(0), {note("G#4")}, "G#4"},                      // asked, even spelled sharp
        {"C#4", flats(1), {}, "C#4"},                                  // neither: as commonly written
        {"Eb4", sharps(2), {}, "Eb4"},
        {"F4", sharps(1), {note("D4"), note("F4"), note("A4")}, "Fn4"}, // a natural the key alters: signed
    };
    for (const Case& c : cases)
        EXPECT_EQ(pitchText(spellPlayedKey(keyOf(c.played), c.signature, c.asked)), c.written) << c.played;
}

TEST(PlayedNotes, RespellingCyclesThroughEveryWritableSpellingOfThePitch) {
    const auto none = signatureAlterations(SignatureKind::Sharp, 0);
    const auto texts = [](const std::vector<Pitch>& spellings) {
        std::vector<std::string> out;
        for (const Pitch& pitch : spellings)
            out.push_back(pitchText(pitch));
        return out;
    };
    EXPECT_EQ(texts(enharmonicSpellings(note("C4"), none)), (std::vector<std::string>{"B#3", "C4", "Dbb4"}));
    EXPECT_EQ(texts(enharmonicSpellings(note("G#4"), none)), (std::vector<std::string>{"G#4", "Ab4"}));
    // No double sharp on E or B, no double flat on C or F; F natural in G major keeps its sign.
    EXPECT_EQ(texts(enharmonicSpellings(note("F4"), signatureAlterations(SignatureKind::Sharp, 1))),
              (std::vector<std::string>{"E#4", "Fn4", "Gbb4"}));
    EXPECT_EQ(texts(enharmonicSpellings(note("E4"), none)), (std::vector<std::string>{"Dx4", "E4", "Fb4"}));
}

} // namespace
} // namespace tonalyst
