#include "tonality/Tonality.h"

#include "TonalModel.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tonalyst {
namespace {

using model::midiOf;
using model::pcOf;

std::string shown(const std::vector<Sonority>& chords) {
    std::string text;
    for (const Sonority& chord : chords) {
        for (const Pitch& note : chord)
            text += pitchText(note) + ' ';
        text += "| ";
    }
    return text;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += name + ' ';
    return text;
}

TEST(Tonality, KeysComeFromKeySettingsByModeAndSignature) {
    const KeySettings settings;
    struct Case {
        InKeyMode mode;
        int maxAccidentals;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases{
        {InKeyMode::Major, 2, {"C major", "G major", "D major", "F major", "B-flat major"}},
        {InKeyMode::Minor, 1, {"A minor", "E minor", "D minor"}},
        {InKeyMode::Both, 0, {"C major", "A minor"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> labels;
        for (const TonalKey& key : inKeyKeys(settings, {c.mode, c.maxAccidentals}))
            labels.push_back(keyLabel(key));
        EXPECT_EQ(labels, c.labels) << c.maxAccidentals;
    }
}

TEST(Tonality, EveryKeyLabelReadsBackAndShortFormsAreUnderstood) {
    for (const model::Key& key : model::allKeys())
        EXPECT_EQ(readKeyLabel(keyLabel(key.tonal())), key.tonal()) << keyLabel(key.tonal());
    EXPECT_EQ(keyLabel(*readKeyLabel("f#")), "F-sharp minor");
    EXPECT_EQ(keyLabel(*readKeyLabel("D")), "D major");
    EXPECT_EQ(keyLabel(*readKeyLabel(" Bb minor ")), "B-flat minor");
    EXPECT_EQ(keyLabel(*readKeyLabel("bb")), "B-flat minor");
    for (const char* bad : {"", "H major", "G# major", "C4", "D-flat minor", "C major minor"})
        EXPECT_FALSE(readKeyLabel(bad)) << bad;
}

TEST(Tonality, TypedDegreesAndNumeralsReadAsTheirCanonicalNames) {
    struct Case {
        std::string typed;
        std::optional<std::string> degree;
        std::optional<std::string> numeral;
    };
    const std::vector<Case> cases{
        {"6", "6", std::nullopt},
        {"b6", "♭6", std::nullopt},
        {"#4", "♯4", std::nullopt},
        {"b5", "♯4", std::nullopt},
        {"♭5", "♯4", std::nullopt},
        {"n7", "♮7", std::nullopt},
        {"n6", "♮6", "N6"},
        {"fi", "♯4", std::nullopt},
        {"se", "♯4", std::nullopt},
        {"Le", "♭6", std::nullopt},
        {"8", std::nullopt, std::nullopt},
        {"N6", "♮6", "N6"},
        {"b4", "3", std::nullopt},
        {"bVI", std::nullopt, "♭VI"},
        {"viio7", std::nullopt, "vii°7"},
        {"vii07", std::nullopt, "vii°7"},
        {"viio", std::nullopt, "vii°"},
        {"iih7", std::nullopt, "iiø7"},
        {"ii%7", std::nullopt, "iiø7"},
        {"iiø65", std::nullopt, "iiø65"},
        {"V65", std::nullopt, "V65"},
        {"V6/5", std::nullopt, "V65"},
        {"V4/2", std::nullopt, "V42"},
        {"V7/V", std::nullopt, "V7/V"},
        {"V6/5/V", std::nullopt, "V65/V"},
        {"viio7/ii", std::nullopt, "vii°7/ii"},
        {"N", std::nullopt, "N6"},
        {"vii/o7", std::nullopt, "viiø7"},
        {"IM7", std::nullopt, "IM7"},
        {"I64", std::nullopt, "I64"},
        {"iv", std::nullopt, "iv"},
        {"Vi", std::nullopt, std::nullopt},
        {"V/I", std::nullopt, std::nullopt},
        {"V8", std::nullopt, std::nullopt},
        {"viM7", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readScaleDegree(c.typed), c.degree) << c.typed;
        EXPECT_EQ(readRomanNumeral(c.typed), c.numeral) << c.typed;
    }
    // Every name an answer button shows is read back as itself, in every notation.
    for (bool minor : {false, true})
        for (bool solfege : {false, true})
            for (bool laBased : {false, true}) {
                ScaleDegreeOptions options;
                options.chromatic = true;
                options.solfege = solfege;
                options.laBasedMinor = laBased;
                std::set<std::string> shownNames;
                for (const std::string& degree : scaleDegreeChoices(minor, options)) {
                    const std::string name = shownDegree(degree, minor, options);
                    shownNames.insert(name);
                    EXPECT_EQ(readScaleDegree(name, minor, options), degree) << name;
                }
                EXPECT_EQ(shownNames.size(), scaleDegreeChoices(minor, options).size());
            }
    ChordFunctionOptions everything{{}, true, true, true, true, true};
    for (bool minor : {false, true})
        for (const std::string& name : chordFunctionChoices(minor, everything))
            EXPECT_EQ(readRomanNumeral(name), name);
}

// Every note of a scale-degree question is named, spelled and resolved as the model
// hears it, for every chromatic degree in all thirty keys.
TEST(Tonality, ScaleDegreesOfEveryNoteInEveryKey) {
    SeededRandomSource random(21);
    for (const model::Key& key : model::allKeys()) {
        std::set<std::string> heardNames;
        for (int question = 0; question < 40; ++question) {
            ScaleDegreeOptions options;
            options.chromatic = question % 4 != 0;
            options.groupSize = 1 + question % 4;
            const HeardInKey heard = makeScaleDegreeQuestion(key.tonal(), options, random);
            ASSERT_EQ(heard.played.size(), static_cast<std::size_t>(options.groupSize));
            ASSERT_EQ(heard.answer.size(), heard.played.size());
            std::vector<int> pitches;
            for (std::size_t i = 0; i < heard.played.size(); ++i) {
                ASSERT_EQ(heard.played[i].size(), 1U);
                const Pitch& note = heard.played[i][0];
                const auto degree = model::degreeOf(key.minor, pcOf(note) - key.pc());
                ASSERT_TRUE(degree) << keyLabel(key.tonal()) << ' ' << pitchText(note);
                EXPECT_EQ(heard.answer[i], degree->name) << keyLabel(key.tonal()) << ' ' << pitchText(note);
                EXPECT_EQ(model::letterOf(note), model::mod(key.letter + degree->letters, 7))
                    << pitchText(note);
                EXPECT_TRUE(options.chromatic || degree->name.size() == 1) << degree->name;
                EXPECT_TRUE(isWritable(note)) << pitchText(note);
                heardNames.insert(heard.answer[i]);
                pitches.push_back(midiOf(note));
            }
            // The answer resolves by step to the tonic, and everything stays within a singer's octave.
            Pitch from = heard.played.back()[0];
            for (const Sonority& step : heard.resolution) {
                ASSERT_EQ(step.size(), 1U);
                EXPECT_EQ(std::abs(step[0].step - from.step), 1) << shown(heard.resolution);
                EXPECT_LE(std::abs(midiOf(step[0]) - midiOf(from)), 2) << shown(heard.resolution);
                pitches.push_back(midiOf(step[0]));
                from = step[0];
            }
            EXPECT_EQ(pcOf(from), key.pc()) << shown(heard.played) << shown(heard.resolution);
            EXPECT_EQ(heard.resolution.empty(), heard.answer.back() == "1");
            EXPECT_LE(*std::max_element(pitches.begin(), pitches.end()) -
                          *std::min_element(pitches.begin(), pitches.end()),
                      12);
            EXPECT_GE(*std::min_element(pitches.begin(), pitches.end()), 50);
            EXPECT_LE(*std::max_element(pitches.begin(), pitches.end()), 74);
        }
        EXPECT_EQ(heardNames.size(), key.minor ? 11U : 12U) << keyLabel(key.tonal());
    }
}

// The names a generator may answer with, for telling played chords apart.
std::vector<std::string> vocabulary(bool minor) {
    return chordFunctionChoices(minor, ChordFunctionOptions{{}, true, true, true, true, true});
}

TEST(Tonality, ChordsOfNumeralsAreSpelledInTheKey) {
    for (const model::Key& key : model::allKeys())
        for (const std::string& name : vocabulary(key.minor)) {
            const std::optional<Sonority> chord = chordOfNumeral(key.tonal(), name);
            const std::optional<model::Chord> expected = model::chordOf(key, name);
            ASSERT_TRUE(chord && expected) << name;
            const model::Chord got = model::heard(*chord);
            EXPECT_EQ(got.pcs, expected->pcs)
                << keyLabel(key.tonal()) << ' ' << name << ": " << shown({*chord});
            EXPECT_EQ(got.letters, expected->letters)
                << keyLabel(key.tonal()) << ' ' << name << ": " << shown({*chord});
            EXPECT_EQ(got.bassPc, expected->bassPc) << keyLabel(key.tonal()) << ' ' << name;
            for (std::size_t i = 1; i < chord->size(); ++i) {
                const int gap = midiOf((*chord)[i]) - midiOf((*chord)[i - 1]);
                EXPECT_TRUE(gap > 0 && gap <= 12) << name << ": " << shown({*chord});
            }
        }
    EXPECT_FALSE(chordOfNumeral(model::allKeys()[0].tonal(), "X7"));
}

// What breaks the rules of four-part writing in the chords, named by the numerals they
// were generated for; empty when nothing does.
std::string voiceLeadingFaults(const model::Key& key, const std::vector<Sonority>& chords,
                               const std::vector<std::string>& names) {
    static constexpr std::array<int, 4> lowest{40, 48, 55, 60};
    static constexpr std::array<int, 4> highest{62, 67, 74, 79};
    std::string faults;
    const int leadingTone = model::mod(key.pc() - 1, 12);
    for (std::size_t c = 0; c < chords.size(); ++c) {
        const Sonority& chord = chords[c];
        const auto expected = model::chordOf(key, names[c]);
        if (chord.size() != 4 || !expected)
            return "not four parts at " + names[c];
        if (!model::sounds(chord, *expected))
            faults += names[c] + " sounds otherwise; ";
        for (std::size_t v = 0; v < 4; ++v) {
            const int midi = midiOf(chord[v]);
            if (midi < lowest[v] || midi > highest[v])
                faults += "voice " + std::to_string(v) + " out of range; ";
            if (!isWritable(chord[v]))
                faults += pitchText(chord[v]) + " cannot be written; ";
            if (v > 0 && midi <= midiOf(chord[v - 1]))
                faults += "voices cross; ";
            if (v > 1 && midi - midiOf(chord[v - 1]) > 12)
                faults += "upper voices more than an octave apart; ";
        }
        const auto count = [&](int pc) {
            return std::count_if(chord.begin(), chord.end(), [&](const Pitch& p) { return pcOf(p) == pc; });
        };
        const bool dominant = names[c].rfind("V", 0) == 0 || names[c].rfind("vii", 0) == 0;
        if (dominant && names[c].find('/') == std::string::npos && count(leadingTone) > 1)
            faults += "doubled leading tone in " + names[c] + "; ";
        if (expected->seventhPc >= 0 && count(expected->seventhPc) > 1)
            faults += "doubled seventh in " + names[c] + "; ";
        if (c == 0)
            continue;
        const Sonority& before = chords[c - 1];
        for (std::size_t a = 0; a < 4; ++a)
            for (std::size_t b = a + 1; b < 4; ++b) {
                if (midiOf(before[a]) == midiOf(chord[a]) || midiOf(before[b]) == midiOf(chord[b]))
                    continue;
                const int was = model::mod(midiOf(before[b]) - midiOf(before[a]), 12);
                const int is = model::mod(midiOf(chord[b]) - midiOf(chord[a]), 12);
                if (was == is && (is == 0 || is == 7))
                    faults += "parallel " + std::string(is == 0 ? "octaves" : "fifths") + " between voices " +
                              std::to_string(a) + " and " + std::to_string(b) + " into " + names[c] + "; ";
            }
        const bool toTonic = names[c] == "I" || names[c] == "i" || names[c] == "I6" || names[c] == "i6";
        const bool fromDominant = names[c - 1].rfind("V", 0) == 0 || names[c - 1].rfind("vii", 0) == 0;
        if (fromDominant && toTonic)
            for (std::size_t v = 0; v < 4; ++v)
                if (pcOf(before[v]) == leadingTone && midiOf(chord[v]) - midiOf(before[v]) != 1)
                    faults += "leading tone does not rise in " + names[c - 1] + "-" + names[c] + "; ";
    }
    return faults;
}

TEST(Tonality, KeyCadenceIsVoicedInEveryKey) {
    for (const model::Key& key : model::allKeys()) {
        const std::vector<std::string> names = key.minor ? std::vector<std::string>{"i", "iv", "V", "i"}
                                                         : std::vector<std::string>{"I", "IV", "V", "I"};
        const std::vector<Sonority> cadence = keyCadence(key.tonal());
        EXPECT_EQ(voiceLeadingFaults(key, cadence, names), "")
            << keyLabel(key.tonal()) << ": " << shown(cadence);
        ASSERT_EQ(cadence.size(), 4U);
        EXPECT_EQ(pcOf(cadence.back().back()), key.pc()) << shown(cadence);
    }
}

TEST(Tonality, ChordFunctionQuestionsPlayTheirNumeral) {
    SeededRandomSource random(7);
    const std::vector<model::Key> keys = model::allKeys();
    std::set<std::string> asked;
    for (int question = 0; question < 3000; ++question) {
        const model::Key& key = keys[static_cast<std::size_t>(question) % keys.size()];
        ChordFunctionOptions options;
        options.sevenths = (question / 2) % 2 == 1;
        options.inversions = (question / 4) % 2 == 1;
        options.applied = (question / 8) % 2 == 1;
        options.mixture = (question / 16) % 2 == 1;
        options.neapolitan = (question / 32) % 2 == 1;
        const HeardInKey heard = makeChordFunctionQuestion(key.tonal(), options, random);
        ASSERT_EQ(heard.answer.size(), 1U);
        ASSERT_EQ(heard.played.size(), 1U);
        const std::vector<std::string> choices = chordFunctionChoices(key.minor, options);
        EXPECT_NE(std::find(choices.begin(), choices.end(), heard.answer[0]), choices.end())
            << heard.answer[0];
        EXPECT_EQ(voiceLeadingFaults(key, heard.played, heard.answer), "")
            << keyLabel(key.tonal()) << ' ' << heard.answer[0] << ": " << shown(heard.played);
        asked.insert(heard.answer[0]);
    }
    // Nothing offered is never asked.
    ChordFunctionOptions everything{{}, true, true, true, true, true};
    for (bool minor : {false, true})
        for (const std::string& name : chordFunctionChoices(minor, everything))
            EXPECT_TRUE(asked.count(name)) << name;
}

enum class Role { Tonic, Substitute, Predominant, Cadential64, Dominant };

Role roleOf(const std::string& name) {
    static const std::map<std::string, Role> roles{
        {"I", Role::Tonic},         {"i", Role::Tonic},        {"I6", Role::Tonic},
        {"i6", Role::Tonic},        {"vi", Role::Substitute},  {"VI", Role::Substitute},
        {"iii", Role::Substitute},  {"III", Role::Substitute}, {"I64", Role::Cadential64},
        {"i64", Role::Cadential64}, {"V", Role::Dominant},     {"V6", Role::Dominant},
        {"V7", Role::Dominant},     {"V65", Role::Dominant},   {"V43", Role::Dominant},
        {"V42", Role::Dominant},    {"vii°6", Role::Dominant}};
    const auto found = roles.find(name);
    return found == roles.end() ? Role::Predominant : found->second;
}

// The numerals of a phrase's chords as the model hears them, "?" for a chord it cannot name.
std::vector<std::string> namesOf(const model::Key& key, const std::vector<Sonority>& chords) {
    std::vector<std::string> names;
    for (const Sonority& chord : chords) {
        std::string found = "?";
        for (const std::string& name :
             progressionChoices(key.minor, ProgressionOptions{{}, 3, 6, true, true}))
            if (found == "?" && model::sounds(chord, *model::chordOf(key, name)))
                found = name;
        names.push_back(found);
    }
    return names;
}

// The cadence the last two chords and the soprano make, as a theory book names it.
std::string cadenceOf(const model::Key& key, const std::vector<Sonority>& chords, bool perfectImperfect) {
    const std::vector<std::string> names = namesOf(key, chords);
    const std::string& before = names[names.size() - 2];
    const std::string& last = names.back();
    const std::string tonic = key.minor ? "i" : "I";
    if (last == "V")
        return before == "iv6" && key.minor ? "Phrygian half" : "half";
    if (last == "vi" || last == "VI")
        return before == "V" || before == "V7" ? "deceptive" : "?";
    if (last != tonic)
        return "?";
    if (before == "IV" || before == "iv")
        return "plagal";
    if (!perfectImperfect)
        return roleOf(before) == Role::Dominant ? "authentic" : "?";
    if ((before == "V" || before == "V7") && pcOf(chords.back().back()) == key.pc())
        return "perfect authentic";
    return roleOf(before) == Role::Dominant ? "imperfect authentic" : "?";
}

TEST(Tonality, ProgressionsFollowCommonPracticeSyntaxAndVoiceLeading) {
    SeededRandomSource random(2021);
    const std::vector<model::Key> keys = model::allKeys();
    for (int question = 0; question < 10000; ++question) {
        const model::Key& key = keys[static_cast<std::size_t>(random.index(static_cast<int>(keys.size())))];
        ProgressionOptions options;
        options.sevenths = random.index(2) == 1;
        options.inversions = random.index(2) == 1;
        options.maxChords = 3 + random.index(4);
        options.minChords = 3 + random.index(options.maxChords - 2);
        const HeardInKey heard = makeProgressionQuestion(key.tonal(), options, random);
        const std::string what =
            keyLabel(key.tonal()) + ": " + joined(heard.answer) + "= " + shown(heard.played);
        ASSERT_EQ(heard.played.size(), heard.answer.size()) << what;
        ASSERT_GE(heard.answer.size(), static_cast<std::size_t>(options.minChords)) << what;
        ASSERT_LE(heard.answer.size(), static_cast<std::size_t>(options.maxChords)) << what;
        ASSERT_EQ(voiceLeadingFaults(key, heard.played, heard.answer), "") << what;
        const std::vector<std::string> choices = progressionChoices(key.minor, options);
        for (const std::string& name : heard.answer)
            ASSERT_NE(std::find(choices.begin(), choices.end(), name), choices.end()) << what;
        ASSERT_EQ(heard.answer.front(), key.minor ? "i" : "I") << what;
        for (std::size_t c = 1; c < heard.answer.size(); ++c) {
            const Role from = roleOf(heard.answer[c - 1]);
            const Role to = roleOf(heard.answer[c]);
            ASSERT_FALSE(from == Role::Dominant && to == Role::Predominant) << what;
            ASSERT_TRUE(from != Role::Cadential64 || to == Role::Dominant) << what;
        }
        ASSERT_NE(cadenceOf(key, heard.played, true), "?") << what;
    }
}

TEST(Tonality, CadenceQuestionsEndOnTheCadenceTheyName) {
    SeededRandomSource random(5);
    const std::vector<model::Key> keys = model::allKeys();
    std::map<std::string, int> asked;
    for (int question = 0; question < 2000; ++question) {
        const model::Key& key = keys[static_cast<std::size_t>(question) % keys.size()];
        CadenceOptions options;
        options.perfectImperfect = question % 3 != 0;
        options.phrygian = question % 5 != 0;
        const HeardInKey heard = makeCadenceQuestion(key.tonal(), options, random);
        ASSERT_EQ(heard.answer.size(), 1U);
        ASSERT_GE(heard.played.size(), 3U);
        ASSERT_LE(heard.played.size(), 4U);
        const std::string what = keyLabel(key.tonal()) + ": " + heard.answer[0] + " = " + shown(heard.played);
        EXPECT_EQ(cadenceOf(key, heard.played, options.perfectImperfect), heard.answer[0]) << what;
        const std::vector<std::string> choices = cadenceChoices(key.minor, options);
        EXPECT_NE(std::find(choices.begin(), choices.end(), heard.answer[0]), choices.end()) << what;
        EXPECT_TRUE(heard.answer[0] != "Phrygian half" || (key.minor && options.phrygian)) << what;
        EXPECT_EQ(voiceLeadingFaults(key, heard.played, namesOf(key, heard.played)), "") << what;
        ++asked[heard.answer[0]];
    }
    EXPECT_EQ(asked.size(), 7U);
}

} // namespace
} // namespace tonalyst
