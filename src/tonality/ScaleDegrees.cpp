#include "tonality/KeyScale.h"
#include "tonality/Tonality.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

namespace tonalyst {

namespace {

// One name per pitch: the letter it is spelled on counts from the tonic, and its
// semitones above the tonic tell it from the same letter altered.
struct DegreeName {
    std::string_view name;
    int letters;
    int semitones;
    std::string_view syllable;
};

// Movable do, major and do-based minor.
constexpr std::array<DegreeName, 12> kMajorDegrees{{{"1", 0, 0, "do"},
                                                    {"♭2", 1, 1, "ra"},
                                                    {"2", 1, 2, "re"},
                                                    {"♭3", 2, 3, "me"},
                                                    {"3", 2, 4, "mi"},
                                                    {"4", 3, 5, "fa"},
                                                    {"♯4", 3, 6, "fi"},
                                                    {"5", 4, 7, "sol"},
                                                    {"♭6", 5, 8, "le"},
                                                    {"6", 5, 9, "la"},
                                                    {"♭7", 6, 10, "te"},
                                                    {"7", 6, 11, "ti"}}};
constexpr std::array<DegreeName, 11> kMinorDegrees{{{"1", 0, 0, "do"},
                                                    {"♭2", 1, 1, "ra"},
                                                    {"2", 1, 2, "re"},
                                                    {"3", 2, 3, "me"},
                                                    {"4", 3, 5, "fa"},
                                                    {"♯4", 3, 6, "fi"},
                                                    {"5", 4, 7, "sol"},
                                                    {"6", 5, 8, "le"},
                                                    {"♮6", 5, 9, "la"},
                                                    {"7", 6, 10, "te"},
                                                    {"♮7", 6, 11, "ti"}}};
// La-based minor names the same pitches from la.
constexpr std::array<std::string_view, 11> kLaBasedSyllables{"la", "te", "ti", "do",  "re", "ri",
                                                             "mi", "fa", "fi", "sol", "si"};

// Every chromatic syllable a student may type, with its semitones above do.
struct Syllable {
    std::string_view text;
    int semitones;
};
constexpr std::array<Syllable, 18> kSyllables{{{"do", 0},
                                               {"di", 1},
                                               {"ra", 1},
                                               {"re", 2},
                                               {"ri", 3},
                                               {"me", 3},
                                               {"mi", 4},
                                               {"fa", 5},
                                               {"fi", 6},
                                               {"se", 6},
                                               {"sol", 7},
                                               {"so", 7},
                                               {"si", 8},
                                               {"le", 8},
                                               {"la", 9},
                                               {"li", 10},
                                               {"te", 10},
                                               {"ti", 11}}};

constexpr int kLaSemitones = 9;

std::span<const DegreeName> degreesOf(bool minor) {
    if (minor)
        return kMinorDegrees;
    return kMajorDegrees;
}

const DegreeName* degreeNamed(bool minor, std::string_view name) {
    for (const DegreeName& degree : degreesOf(minor))
        if (degree.name == name)
            return &degree;
    return nullptr;
}

const DegreeName* degreeAt(bool minor, int semitones) {
    for (const DegreeName& degree : degreesOf(minor))
        if (degree.semitones == semitones)
            return &degree;
    return nullptr;
}

bool isDiatonic(const DegreeName& degree) {
    return std::isdigit(static_cast<unsigned char>(degree.name.front())) != 0;
}

std::string lowered(std::string_view text) {
    std::string result;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// A number with an optional sign before it: the plain number is the mode's own degree,
// a signed one counts from the major scale, as theory books write "♭6" and "♯4".
std::optional<int> numberSemitones(std::string_view typed, bool minor, bool& natural) {
    static constexpr std::array<std::pair<std::string_view, int>, 6> kSigns{
        {{"♭", -1}, {"b", -1}, {"♯", 1}, {"#", 1}, {"♮", 0}, {"n", 0}}};
    std::optional<int> alter;
    for (const auto& [sign, value] : kSigns)
        if (typed.starts_with(sign)) {
            alter = value;
            natural = sign == "♮" || sign == "n";
            typed.remove_prefix(sign.size());
            break;
        }
    if (typed.size() != 1 || typed[0] < '1' || typed[0] > '7')
        return std::nullopt;
    const int degree = typed[0] - '1';
    const int semitones = alter ? scaleSemitones(false, degree) + *alter : scaleSemitones(minor, degree);
    return (semitones + 12) % 12;
}

std::optional<std::string> readDegree(std::string_view typed, bool minor, bool laBased, bool anyMode) {
    const std::string text = lowered(typed);
    bool natural = false;
    if (const std::optional<int> semitones = numberSemitones(text, minor, natural)) {
        // Without a mode, "♮6" and "♮7" can only mean minor's raised degrees.
        const bool inMinor = minor || (anyMode && natural && *semitones >= 9);
        if (const DegreeName* degree = degreeAt(inMinor, *semitones))
            return std::string(degree->name);
        if (anyMode)
            if (const DegreeName* degree = degreeAt(!minor, *semitones))
                return std::string(degree->name);
        return std::nullopt;
    }
    for (const Syllable& syllable : kSyllables)
        if (syllable.text == text) {
            const int semitones =
                laBased ? (syllable.semitones - kLaSemitones + 12) % 12 : syllable.semitones;
            if (const DegreeName* degree = degreeAt(minor, semitones))
                return std::string(degree->name);
        }
    return std::nullopt;
}

// Where a note heard after the cadence lies: letters and semitones from the tonic.
struct Placed {
    int letters;
    int semitones;
};

// The singable span of a question, from the dominant below the tonic to the dominant above.
constexpr int kLowest = -5;
constexpr int kHighest = 7;

std::vector<Placed> placesOf(const DegreeName& degree) {
    std::vector<Placed> places;
    for (const Placed place :
         {Placed{degree.letters, degree.semitones}, Placed{degree.letters - 7, degree.semitones - 12}})
        if (place.semitones >= kLowest && place.semitones <= kHighest)
            places.push_back(place);
    return places;
}

// The note a note moves to on its way to the tonic: notes above the tonic walk down the
// key's scale (♯4 first leans up to 5), notes below it walk up, in minor by the rising
// melodic scale unless that would leap an augmented second; ♭6 in major falls to 5 first.
Placed nextTowardsTonic(const Placed& from, bool minor) {
    if (from.semitones > 0) {
        if (from.letters == 3 && from.semitones == 6)
            return {4, 7};
        return {from.letters - 1, scaleSemitones(minor, from.letters - 1)};
    }
    if (from.letters == -1)
        return {0, 0};
    if (!minor && from.semitones == -4)
        return {-3, -5};
    const int next = from.letters + 1;
    if (minor && from.semitones == -4)
        return {next, -2};
    return {next, scaleSemitones(false, next + 7) - 12};
}

} // namespace

std::vector<std::string> scaleDegreeChoices(bool minor, const ScaleDegreeOptions& options) {
    std::vector<std::string> choices;
    for (const DegreeName& degree : degreesOf(minor))
        if (options.chromatic || isDiatonic(degree))
            choices.emplace_back(degree.name);
    return choices;
}

std::optional<std::string> scaleDegreeAt(bool minor, int semitones) {
    const DegreeName* degree = degreeAt(minor, semitones);
    if (degree == nullptr)
        return std::nullopt;
    return std::string(degree->name);
}

std::string shownDegree(std::string_view degree, bool minor, const ScaleDegreeOptions& options) {
    const DegreeName* name = degreeNamed(minor, degree);
    if (!options.solfege || name == nullptr)
        return std::string(degree);
    if (minor && options.laBasedMinor)
        return std::string(kLaBasedSyllables[static_cast<std::size_t>(name - kMinorDegrees.data())]);
    return std::string(name->syllable);
}

std::optional<std::string> readScaleDegree(std::string_view typed) {
    return readDegree(typed, false, false, true);
}

std::optional<std::string> readScaleDegree(std::string_view typed, bool minor,
                                           const ScaleDegreeOptions& options) {
    return readDegree(typed, minor, minor && options.laBasedMinor, false);
}

HeardInKey makeScaleDegreeQuestion(const TonalKey& key, const ScaleDegreeOptions& options,
                                   RandomSource& random) {
    HeardInKey heard{key, keyCadence(key), {}, {}, {}};
    // The tonic sits between G3 and F-sharp 4 so that the span stays in a singer's range.
    TonalKey sung = key;
    while (sung.tonic.semitones() > 6)
        sung.tonic.step -= 7;
    while (sung.tonic.semitones() < -5)
        sung.tonic.step += 7;
    const std::vector<std::string> choices = scaleDegreeChoices(key.minor, options);
    const int notes = std::clamp(options.groupSize, 1, 4);
    Placed last{0, 0};
    for (int i = 0; i < notes; ++i) {
        const DegreeName& degree = *degreeNamed(
            key.minor, choices[static_cast<std::size_t>(random.index(static_cast<int>(choices.size())))]);
        const std::vector<Placed> places = placesOf(degree);
        last = places[static_cast<std::size_t>(random.index(static_cast<int>(places.size())))];
        heard.played.push_back({transposed(sung.tonic, last.letters, last.semitones)});
        heard.answer.emplace_back(degree.name);
    }
    while (last.semitones != 0) {
        last = nextTowardsTonic(last, key.minor);
        heard.resolution.push_back({transposed(sung.tonic, last.letters, last.semitones)});
    }
    return heard;
}

} // namespace tonalyst
