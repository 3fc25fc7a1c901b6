#include "activities/PlayedNotes.h"
#include "activities/chordfunctions/ChordFunctions.h"
#include "activities/progressions/Progressions.h"
#include "activities/scaledegrees/ScaleDegrees.h"
#include "theory/SignatureSigns.h"
#include "tonality/Tonality.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>

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

TEST(PlayedNotes, KeysPlayedInAKeyNameThePadsDegreesAndChordsInTurn) {
    const ScaleDegrees degrees;
    const ChordFunctions functions;
    const Progressions progressions;
    struct Case {
        const Activity& activity;
        std::string_view key;
        std::function<void(InKeySettings&)> options;
        // Each group of keys played together or legato, in turn; notes blank-separated.
        std::vector<std::string_view> played;
        std::string_view names; // "" when some group names nothing the pad offers
    };
    const auto none = [](InKeySettings&) {};
    const std::vector<Case> cases{
        // Degrees by pitch class in the key, whatever the octave, one per note in order struck.
        {degrees, "D major", none, {"F#2", "A4 C#5 D3"}, "3, 5, 7, 1"},
        {degrees, "D major", none, {"Bb4"}, ""},
        {degrees,
         "D major",
         [](InKeySettings& s) { s.degrees.chromatic = true; },
         {"Bb4 G#3 C5"},
         "♭6, ♯4, ♭7"},
        // Minor counts from its own tonic on natural minor, la-based syllables or not.
        {degrees, "A minor", none, {"C5 G4 F3"}, "3, 7, 6"},
        {degrees,
         "A minor",
         [](InKeySettings& s) { s.degrees.solfege = s.degrees.laBasedMinor = true; },
         {"A3 E4"},
         "1, 5"},
        {degrees,
         "A minor",
         [](InKeySettings& s) { s.degrees.chromatic = true; },
         {"F#4 G#4 Bb4"},
         "♮6, ♮7, ♭2"},
        {degrees, "A minor", [](InKeySettings& s) { s.degrees.chromatic = true; }, {"C#5"}, ""},
        // Chords by root and quality in any voicing; the bass only where inversions are asked.
        {functions, "C major", none, {"G2 B3 D4 G4", "B2 G3 D4"}, "V, V"},
        {functions, "C major", none, {"E3 G3 Bb3 C4"}, ""},
        {functions,
         "C major",
         [](InKeySettings& s) { s.functions.inversions = s.functions.sevenths = true; },
         {"B2 G3 D4", "F3 G3 B3 D4", "D3 A3 F4 C5"},
         "V6, V42, ii7"},
        {functions,
         "C major",
         [](InKeySettings& s) { s.functions.applied = s.functions.sevenths = true; },
         {"D3 C4 F#4 A4", "F#3 A4 C5 Eb5"},
         "V7/V, vii°7/V"},
        {functions,
         "C major",
         [](InKeySettings& s) { s.functions.mixture = true; },
         {"Ab2 Eb4 C5", "F3 Ab3 C4", "Bb2 D4 F4"},
         "♭VI, iv, ♭VII"},
        {functions, "C major", none, {"Ab2 Eb4 C5"}, ""},
        {functions, "A minor", none, {"E3 G#3 B3"}, "V"},
        {functions, "A minor", none, {"E3 G3 B3"}, ""},
        {functions, "C major", none, {"C4 C#4 D4"}, ""},
        // A progression: one name per chord, in turn.
        {progressions,
         "C major",
         [](InKeySettings& s) { s.progressions.inversions = s.progressions.sevenths = true; },
         {"C3 E4 G4 C5", "F3 A3 D4 F4", "G2 C4 E4 G4", "G2 B3 D4 F4", "C3 G3 C4 E4"},
         "I, ii6, I64, V7, I"},
        // IV offered as IV and IV6: over C it is neither.
        {progressions,
         "C major",
         [](InKeySettings& s) { s.progressions.inversions = true; },
         {"C3 F3 A3 C4"},
         ""},
    };
    for (const Case& c : cases) {
        QuestionSettings settings;
        c.options(settings.inKey);
        Question question;
        question.heard = HeardInKey{*readKeyLabel(c.key), {}, {}, {}, {}};
        std::string names;
        for (std::string_view group : c.played) {
            std::vector<int> keys;
            std::istringstream notes{std::string(group)};
            for (std::string text; notes >> text;)
                keys.push_back(keyOf(text));
            const auto read = c.activity.namesFromPlayed(question, keys, settings);
            if (!read) {
                names.clear();
                break;
            }
            for (const std::string& name : *read)
                names += (names.empty() ? "" : ", ") + name;
        }
        EXPECT_EQ(names, c.names) << c.key << ": " << c.played.front();
    }
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
