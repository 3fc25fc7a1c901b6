#include "tonality/Numeral.h"

#include "tonality/KeyScale.h"

#include <array>
#include <cctype>

namespace tonalyst {

namespace {

constexpr std::array<std::string_view, 7> kRomans{"I", "II", "III", "IV", "V", "VI", "VII"};

struct Interval {
    int letters;
    int semitones;
};

// Third, fifth and seventh above the root.
std::vector<Interval> intervalsOf(ChordQuality quality) {
    switch (quality) {
    case ChordQuality::Major:
        return {{2, 4}, {4, 7}};
    case ChordQuality::Minor:
        return {{2, 3}, {4, 7}};
    case ChordQuality::Diminished:
        return {{2, 3}, {4, 6}};
    case ChordQuality::Augmented:
        return {{2, 4}, {4, 8}};
    case ChordQuality::Dominant7:
        return {{2, 4}, {4, 7}, {6, 10}};
    case ChordQuality::Major7:
        return {{2, 4}, {4, 7}, {6, 11}};
    case ChordQuality::Minor7:
        return {{2, 3}, {4, 7}, {6, 10}};
    case ChordQuality::HalfDiminished7:
        return {{2, 3}, {4, 6}, {6, 10}};
    case ChordQuality::Diminished7:
        return {{2, 3}, {4, 6}, {6, 9}};
    }
    return {};
}

// Reads what `text` begins with and drops it.
bool take(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

int takeAccidental(std::string_view& text) {
    if (take(text, "♭") || take(text, "b"))
        return -1;
    if (take(text, "♯") || take(text, "#"))
        return 1;
    return 0;
}

// The longest Roman numeral at the start, all capitals or all small letters.
std::optional<std::pair<int, bool>> takeRoman(std::string_view& text) {
    std::size_t length = 0;
    while (length < text.size() && (text[length] == 'I' || text[length] == 'V'))
        ++length;
    bool minor = false;
    if (length == 0) {
        while (length < text.size() && (text[length] == 'i' || text[length] == 'v'))
            ++length;
        minor = true;
    }
    const std::string roman = [&] {
        std::string upper(text.substr(0, length));
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return upper;
    }();
    for (std::size_t degree = 0; degree < kRomans.size(); ++degree)
        if (kRomans[degree] == roman) {
            text.remove_prefix(length);
            return std::pair{static_cast<int>(degree), minor};
        }
    return std::nullopt;
}

enum class Mark { None, Diminished, HalfDiminished, Augmented, MajorSeventh };

Mark takeMark(std::string_view& text) {
    for (std::string_view sign : {"°", "o", "0"})
        if (take(text, sign))
            return Mark::Diminished;
    for (std::string_view sign : {"ø", "h", "%", "/o"})
        if (take(text, sign))
            return Mark::HalfDiminished;
    if (take(text, "+"))
        return Mark::Augmented;
    for (std::string_view sign : {"maj", "M", "Δ"})
        if (take(text, sign))
            return Mark::MajorSeventh;
    return Mark::None;
}

// The figures with their slashes dropped ("6/5" is "65"), up to a slash that names the
// chord the numeral is applied to.
std::string takeFigures(std::string_view& text) {
    std::string figures;
    while (!text.empty()) {
        if (std::isdigit(static_cast<unsigned char>(text.front()))) {
            figures += text.front();
            text.remove_prefix(1);
        } else if (text.front() == '/' && !figures.empty() && text.size() > 1 &&
                   std::isdigit(static_cast<unsigned char>(text[1]))) {
            text.remove_prefix(1);
        } else {
            break;
        }
    }
    return figures;
}

struct Figures {
    std::string_view text;
    bool seventh;
    int inversion;
};
constexpr std::array<Figures, 8> kFigures{{{"", false, 0},
                                           {"6", false, 1},
                                           {"64", false, 2},
                                           {"7", true, 0},
                                           {"65", true, 1},
                                           {"43", true, 2},
                                           {"42", true, 3},
                                           {"2", true, 3}}};

std::optional<ChordQuality> qualityOf(bool minor, Mark mark, bool seventh) {
    if (seventh) {
        if (!minor)
            return mark == Mark::None           ? std::optional(ChordQuality::Dominant7)
                   : mark == Mark::MajorSeventh ? std::optional(ChordQuality::Major7)
                                                : std::nullopt;
        return mark == Mark::None             ? std::optional(ChordQuality::Minor7)
               : mark == Mark::Diminished     ? std::optional(ChordQuality::Diminished7)
               : mark == Mark::HalfDiminished ? std::optional(ChordQuality::HalfDiminished7)
                                              : std::nullopt;
    }
    if (!minor)
        return mark == Mark::None        ? std::optional(ChordQuality::Major)
               : mark == Mark::Augmented ? std::optional(ChordQuality::Augmented)
                                         : std::nullopt;
    return mark == Mark::None         ? std::optional(ChordQuality::Minor)
           : mark == Mark::Diminished ? std::optional(ChordQuality::Diminished)
                                      : std::nullopt;
}

bool isMinorQuality(ChordQuality quality) {
    switch (quality) {
    case ChordQuality::Minor:
    case ChordQuality::Diminished:
    case ChordQuality::Minor7:
    case ChordQuality::HalfDiminished7:
    case ChordQuality::Diminished7:
        return true;
    default:
        return false;
    }
}

std::string_view markOf(ChordQuality quality) {
    switch (quality) {
    case ChordQuality::Diminished:
    case ChordQuality::Diminished7:
        return "°";
    case ChordQuality::HalfDiminished7:
        return "ø";
    case ChordQuality::Augmented:
        return "+";
    case ChordQuality::Major7:
        return "M";
    default:
        return "";
    }
}

std::string romanText(int accidental, int degree, bool minor) {
    std::string text = accidental < 0 ? "♭" : accidental > 0 ? "♯" : "";
    std::string roman(kRomans[static_cast<std::size_t>(degree)]);
    if (minor)
        for (char& c : roman)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text + roman;
}

std::string withoutBlanks(std::string_view text) {
    std::string result;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            result += c;
    return result;
}

bool isLeadingToneChord(const Numeral& numeral) {
    return numeral.degree == 6 && numeral.accidental == 0 &&
           (numeral.quality == ChordQuality::Diminished || numeral.quality == ChordQuality::HalfDiminished7 ||
            numeral.quality == ChordQuality::Diminished7);
}

} // namespace

bool Numeral::seventh() const {
    return intervalsOf(quality).size() == 3;
}

std::optional<Numeral> parseNumeral(std::string_view typed) {
    const std::string whole = withoutBlanks(typed);
    std::string_view text = whole;
    Numeral numeral;
    if (take(text, "N") || take(text, "n")) {
        const std::string figures = takeFigures(text);
        if (!text.empty() || (figures != "" && figures != "6"))
            return std::nullopt;
        // Only the first inversion is offered, so a bare "N" means it too.
        numeral.neapolitan = true;
        numeral.degree = 1;
        numeral.accidental = -1;
        numeral.inversion = 1;
        return numeral;
    }
    numeral.accidental = takeAccidental(text);
    const auto roman = takeRoman(text);
    if (!roman)
        return std::nullopt;
    numeral.degree = roman->first;
    const Mark mark = takeMark(text);
    const std::string figureText = takeFigures(text);
    const Figures* figures = nullptr;
    for (const Figures& entry : kFigures)
        if (entry.text == figureText)
            figures = &entry;
    if (figures == nullptr)
        return std::nullopt;
    // "ø" and "M" say the chord has a seventh even when the figures leave it out.
    const bool seventh = figures->seventh || (figureText.empty() && mark == Mark::HalfDiminished);
    const auto quality = qualityOf(roman->second, mark, seventh);
    if (!quality)
        return std::nullopt;
    numeral.quality = *quality;
    numeral.inversion = figures->inversion;
    if (take(text, "/")) {
        numeral.applied = true;
        numeral.targetAccidental = takeAccidental(text);
        const auto target = takeRoman(text);
        if (!target)
            return std::nullopt;
        numeral.targetDegree = target->first;
        numeral.targetMinor = target->second;
        // A chord is applied to a major or minor triad, one that can be heard as a key.
        if (numeral.targetDegree == 0 && numeral.targetAccidental == 0)
            return std::nullopt;
    }
    if (!text.empty())
        return std::nullopt;
    return numeral;
}

std::string numeralName(const Numeral& numeral) {
    if (numeral.neapolitan)
        return "N6";
    std::string name = romanText(numeral.accidental, numeral.degree, isMinorQuality(numeral.quality));
    name += markOf(numeral.quality);
    if (numeral.seventh()) {
        static constexpr std::array<std::string_view, 4> kSeventh{"7", "65", "43", "42"};
        name += kSeventh[static_cast<std::size_t>(numeral.inversion)];
    } else {
        static constexpr std::array<std::string_view, 3> kTriad{"", "6", "64"};
        name += kTriad[static_cast<std::size_t>(numeral.inversion)];
    }
    if (numeral.applied)
        name += "/" + romanText(numeral.targetAccidental, numeral.targetDegree, numeral.targetMinor);
    return name;
}

std::vector<Pitch> numeralTones(const TonalKey& key, const Numeral& numeral) {
    TonalKey local = key;
    if (numeral.applied) {
        // Chords applied to a degree are read in the major key on it.
        local = {scaleNote(key, numeral.targetDegree, numeral.targetAccidental), false};
    }
    Pitch root;
    if (numeral.neapolitan) {
        root = transposed(local.tonic, 1, 1);
    } else {
        // In minor the leading-tone chords stand on the raised seventh.
        const int raised = local.minor && isLeadingToneChord(numeral) ? 1 : 0;
        root = scaleNote(local, numeral.degree, numeral.accidental + raised);
    }
    std::vector<Pitch> tones{root};
    for (const Interval& interval : intervalsOf(numeral.quality))
        tones.push_back(transposed(root, interval.letters, interval.semitones));
    return tones;
}

int leadingToneOf(const Numeral& numeral) {
    if (numeral.accidental != 0 || numeral.neapolitan)
        return -1;
    if (numeral.degree == 4 &&
        (numeral.quality == ChordQuality::Major || numeral.quality == ChordQuality::Dominant7))
        return 1;
    return isLeadingToneChord(numeral) ? 0 : -1;
}

} // namespace tonalyst
