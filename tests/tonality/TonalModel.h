#pragma once

// A second, deliberately plain account of keys, degrees and Roman numerals that the
// generators are checked against. It shares nothing with src/tonality but the Pitch type.

#include "theory/HeardInKey.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tonalyst::model {

constexpr std::array<int, 7> kNatural{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMajorScale{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinorScale{0, 2, 3, 5, 7, 8, 10};

inline int mod(int value, int by) {
    return ((value % by) + by) % by;
}
inline int letterOf(const Pitch& p) {
    return mod(p.step, 7);
}
inline int midiOf(const Pitch& p) {
    return 60 + 12 * ((p.step - letterOf(p)) / 7) + kNatural[static_cast<std::size_t>(letterOf(p))] + p.alter;
}
inline int pcOf(const Pitch& p) {
    return mod(midiOf(p), 12);
}

struct Key {
    int letter;
    int alter;
    bool minor;
    TonalKey tonal() const { return {Pitch{letter, alter, false}, minor}; }
    int pc() const { return mod(kNatural[static_cast<std::size_t>(letter)] + alter, 12); }
};

// The fifteen major and fifteen minor keys, from seven flats to seven sharps.
inline std::vector<Key> allKeys() {
    std::vector<Key> keys;
    for (int fifths = -7; fifths <= 7; ++fifths) {
        const int majorLetter = mod(4 * fifths, 7);
        const int majorPc = mod(7 * fifths, 12);
        keys.push_back(
            {majorLetter, mod(majorPc - kNatural[static_cast<std::size_t>(majorLetter)] + 6, 12) - 6, false});
        const int minorLetter = mod(majorLetter + 5, 7);
        const int minorPc = mod(majorPc + 9, 12);
        keys.push_back(
            {minorLetter, mod(minorPc - kNatural[static_cast<std::size_t>(minorLetter)] + 6, 12) - 6, true});
    }
    return keys;
}

// Degree names by semitones above the tonic, and the letters above the tonic they are spelled on.
struct DegreeModel {
    std::string name;
    int letters;
};
inline std::optional<DegreeModel> degreeOf(bool minor, int semitones) {
    static const std::map<int, DegreeModel> major{
        {0, {"1", 0}},  {1, {"♭2", 1}}, {2, {"2", 1}},  {3, {"♭3", 2}}, {4, {"3", 2}},   {5, {"4", 3}},
        {6, {"♯4", 3}}, {7, {"5", 4}},  {8, {"♭6", 5}}, {9, {"6", 5}},  {10, {"♭7", 6}}, {11, {"7", 6}}};
    static const std::map<int, DegreeModel> minorNames{
        {0, {"1", 0}}, {1, {"♭2", 1}}, {2, {"2", 1}},  {3, {"3", 2}},  {5, {"4", 3}},  {6, {"♯4", 3}},
        {7, {"5", 4}}, {8, {"6", 5}},  {9, {"♮6", 5}}, {10, {"7", 6}}, {11, {"♮7", 6}}};
    const auto& names = minor ? minorNames : major;
    const auto found = names.find(mod(semitones, 12));
    if (found == names.end())
        return std::nullopt;
    return found->second;
}

struct Chord {
    std::set<int> pcs;
    int bassPc = 0;
    int rootPc = 0;
    int fifthPc = 0;
    std::set<int> letters;
    int seventhPc = -1;
    bool operator==(const Chord&) const = default;
};

// A canonical numeral read the long way round: "♭VI", "vii°7", "V65/V", "iiø7", "N6".
inline std::optional<Chord> chordOf(const Key& key, std::string name) {
    int localLetter = key.letter;
    int localPc = key.pc();
    bool localMinor = key.minor;
    const std::size_t slash = name.find('/');
    const auto degreeIn = [](std::string& text, int& accidental, bool& upper) -> std::optional<int> {
        accidental = 0;
        if (text.rfind("♭", 0) == 0) {
            accidental = -1;
            text.erase(0, std::string("♭").size());
        }
        std::size_t length = 0;
        while (length < text.size() && std::string("IViv").find(text[length]) != std::string::npos)
            ++length;
        std::string roman = text.substr(0, length);
        text.erase(0, length);
        upper = !roman.empty() && roman[0] <= 'Z';
        for (char& c : roman)
            c = static_cast<char>(c <= 'Z' ? c : c - 'a' + 'A');
        static const std::vector<std::string> romans{"I", "II", "III", "IV", "V", "VI", "VII"};
        const auto found = std::find(romans.begin(), romans.end(), roman);
        if (found == romans.end())
            return std::nullopt;
        return static_cast<int>(found - romans.begin());
    };
    if (slash != std::string::npos) {
        std::string target = name.substr(slash + 1);
        name.erase(slash);
        int accidental = 0;
        bool upper = false;
        const auto degree = degreeIn(target, accidental, upper);
        if (!degree || !target.empty())
            return std::nullopt;
        const auto& scale = key.minor ? kMinorScale : kMajorScale;
        localLetter = mod(key.letter + *degree, 7);
        localPc = mod(key.pc() + scale[static_cast<std::size_t>(*degree)] + accidental, 12);
        localMinor = false;
    }
    std::vector<int> intervals;
    int rootLetter = 0;
    int rootPc = 0;
    int inversion = 0;
    if (name == "N6") {
        rootLetter = mod(localLetter + 1, 7);
        rootPc = mod(localPc + 1, 12);
        intervals = {0, 4, 7};
        inversion = 1;
    } else {
        int accidental = 0;
        bool upper = false;
        const auto degree = degreeIn(name, accidental, upper);
        if (!degree)
            return std::nullopt;
        std::string mark;
        for (std::string sign : {"°", "ø", "M"})
            if (name.rfind(sign, 0) == 0) {
                mark = sign;
                name.erase(0, sign.size());
            }
        static const std::map<std::string, std::pair<bool, int>> figures{
            {"", {false, 0}},  {"6", {false, 1}}, {"64", {false, 2}}, {"7", {true, 0}},
            {"65", {true, 1}}, {"43", {true, 2}}, {"42", {true, 3}}};
        const auto figure = figures.find(name);
        if (figure == figures.end())
            return std::nullopt;
        const bool seventh = figure->second.first;
        inversion = figure->second.second;
        if (mark == "°")
            intervals = seventh ? std::vector<int>{0, 3, 6, 9} : std::vector<int>{0, 3, 6};
        else if (mark == "ø")
            intervals = {0, 3, 6, 10};
        else if (mark == "M")
            intervals = {0, 4, 7, 11};
        else if (upper)
            intervals = seventh ? std::vector<int>{0, 4, 7, 10} : std::vector<int>{0, 4, 7};
        else
            intervals = seventh ? std::vector<int>{0, 3, 7, 10} : std::vector<int>{0, 3, 7};
        const auto& scale = localMinor ? kMinorScale : kMajorScale;
        const bool raisedSeventh = localMinor && *degree == 6 && (mark == "°" || mark == "ø");
        rootLetter = mod(localLetter + *degree, 7);
        rootPc = mod(
            localPc + scale[static_cast<std::size_t>(*degree)] + accidental + (raisedSeventh ? 1 : 0), 12);
    }
    Chord chord;
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        chord.pcs.insert(mod(rootPc + intervals[i], 12));
        chord.letters.insert(mod(rootLetter + 2 * static_cast<int>(i), 7));
    }
    chord.rootPc = rootPc;
    chord.fifthPc = mod(rootPc + intervals[2], 12);
    chord.bassPc = mod(rootPc + intervals[static_cast<std::size_t>(inversion)], 12);
    if (intervals.size() == 4)
        chord.seventhPc = mod(rootPc + intervals[3], 12);
    return chord;
}

// What a sounding chord is, as the model hears it.
inline Chord heard(const Sonority& notes) {
    Chord chord;
    for (const Pitch& p : notes) {
        chord.pcs.insert(pcOf(p));
        chord.letters.insert(letterOf(p));
    }
    chord.bassPc = pcOf(notes.front());
    return chord;
}

// Whether the notes sound the numeral: every tone, or all but the fifth of a root-position
// chord, with its bass.
inline bool sounds(const Sonority& notes, const Chord& expected) {
    const Chord chord = heard(notes);
    if (chord.bassPc != expected.bassPc)
        return false;
    std::set<int> withoutFifth = expected.pcs;
    withoutFifth.erase(expected.fifthPc);
    return chord.pcs == expected.pcs || (expected.bassPc == expected.rootPc && chord.pcs == withoutFifth);
}

} // namespace tonalyst::model
