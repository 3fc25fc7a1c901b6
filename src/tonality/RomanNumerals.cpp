#include "tonality/KeyScale.h"
#include "tonality/Numeral.h"
#include "tonality/Tonality.h"

#include <algorithm>
#include <array>

namespace tonalyst {

namespace {

constexpr std::array<std::string_view, 7> kMajorTriads{"I", "ii", "iii", "IV", "V", "vi", "vii°"};
constexpr std::array<std::string_view, 7> kMinorTriads{"i", "ii°", "III", "iv", "V", "VI", "vii°"};
constexpr std::array<std::string_view, 7> kMajorSevenths{"IM7", "ii7", "iii7", "IVM7", "V7", "vi7", "viiø7"};
constexpr std::array<std::string_view, 7> kMinorSevenths{"i7", "iiø7", "IIIM7", "iv7", "V7", "VIM7", "vii°7"};
constexpr std::array<std::string_view, 4> kMajorTargets{"ii", "IV", "V", "vi"};
constexpr std::array<std::string_view, 4> kMinorTargets{"III", "iv", "V", "VI"};
constexpr std::array<std::string_view, 4> kMixture{"♭III", "♭VI", "♭VII", "iv"};

// The name with its figures for an inversion: "ii" becomes "ii6", "V7" becomes "V65".
std::string inverted(std::string_view name, int inversion) {
    Numeral numeral = *parseNumeral(name);
    numeral.inversion = inversion;
    return numeralName(numeral);
}

std::vector<int> pitchClassesOf(const std::vector<Pitch>& tones) {
    std::vector<int> classes;
    for (const Pitch& tone : tones)
        classes.push_back(pitchClass(tone));
    std::sort(classes.begin(), classes.end());
    return classes;
}

// An applied triad that sounds exactly as a chord of the key (V/IV is I in major) could
// not be told from it by ear, so only its seventh-chord form is asked.
bool soundsDiatonic(bool minor, std::string_view applied) {
    const TonalKey key{Pitch{}, minor};
    const std::vector<int> heard = pitchClassesOf(numeralTones(key, *parseNumeral(applied)));
    for (std::string_view triad : minor ? kMinorTriads : kMajorTriads)
        if (pitchClassesOf(numeralTones(key, *parseNumeral(triad))) == heard)
            return true;
    return false;
}

} // namespace

std::optional<std::string> readRomanNumeral(std::string_view typed) {
    const std::optional<Numeral> numeral = parseNumeral(typed);
    if (!numeral)
        return std::nullopt;
    return numeralName(*numeral);
}

std::optional<Sonority> chordOfNumeral(const TonalKey& key, std::string_view name) {
    const std::optional<Numeral> numeral = parseNumeral(name);
    if (!numeral)
        return std::nullopt;
    const std::vector<Pitch> tones = numeralTones(key, *numeral);
    Sonority chord;
    for (std::size_t i = 0; i < tones.size(); ++i)
        chord.push_back(tones[(i + static_cast<std::size_t>(numeral->inversion)) % tones.size()]);
    // The bass in the octave below middle C, every other note the nearest above the one below it.
    chord[0].step -= 7 * (chord[0].octave() - 3);
    for (std::size_t i = 1; i < chord.size(); ++i) {
        chord[i].step -= 7 * (chord[i].octave() - chord[i - 1].octave());
        while (chord[i].semitones() <= chord[i - 1].semitones())
            chord[i].step += 7;
        while (chord[i].semitones() - 12 > chord[i - 1].semitones())
            chord[i].step -= 7;
    }
    return chord;
}

std::vector<std::string> chordFunctionChoices(bool minor, const ChordFunctionOptions& options) {
    std::vector<std::string> choices;
    const int triadInversions = options.inversions ? 3 : 1;
    for (std::string_view triad : minor ? kMinorTriads : kMajorTriads)
        for (int inversion = 0; inversion < triadInversions; ++inversion)
            choices.push_back(inverted(triad, inversion));
    if (options.sevenths)
        for (std::string_view seventh : minor ? kMinorSevenths : kMajorSevenths)
            for (int inversion = 0; inversion < (options.inversions ? 4 : 1); ++inversion)
                choices.push_back(inverted(seventh, inversion));
    if (options.applied)
        for (std::string_view target : minor ? kMinorTargets : kMajorTargets)
            for (std::string_view chord : {"V", "V7", "vii°", "vii°7"}) {
                if (!options.sevenths && chord.back() == '7')
                    continue;
                const std::string name = std::string(chord) + "/" + std::string(target);
                if (!soundsDiatonic(minor, name))
                    choices.push_back(name);
            }
    if (options.mixture && !minor)
        for (std::string_view borrowed : kMixture)
            choices.emplace_back(borrowed);
    if (options.neapolitan)
        choices.emplace_back("N6");
    return choices;
}

} // namespace tonalyst
