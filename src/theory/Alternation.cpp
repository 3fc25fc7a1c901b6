#include "theory/Alternation.h"

#include "theory/ChordNames.h"
#include "theory/Translate.h"

#include <initializer_list>

namespace tonalyst {

namespace {

// Scale entries of degrees 3, 6 and 7 in the lowest octave.
constexpr int kThird = 2;
constexpr int kSixth = 5;
constexpr int kSeventh = 6;

bool isOneOf(int d, std::initializer_list<int> values) {
    for (int value : values)
        if (d == value)
            return true;
    return false;
}

void alter(ScaleTable& scaleacc, int entry, int delta) {
    scaleacc[static_cast<std::size_t>(entry)] += delta;
    scaleacc[static_cast<std::size_t>(entry + 7)] += delta;
}

} // namespace

int alternateTriad(int d, bool minorKey, bool mixture, RandomSource& random) {
    // Without mixture a minor key still raises its seventh degree for v and VII.
    if (!mixture && !(minorKey && (d == 4 || d == 6)))
        return d;
    if (random.uniform() > 0.5)
        d += 7;
    if (minorKey && kMinorTriadNames[static_cast<std::size_t>(d)] == kDud)
        d -= 7;
    return d;
}

int alternateSeventh(int d, bool minorKey, bool mixture, RandomSource& random) {
    if (!mixture && !(minorKey && (d == 3 || d == 5)))
        return d;
    if (random.uniform() > 0.5)
        d += 6;
    const auto& names = minorKey ? kMinorSeventhNames : kMajorSeventhNames;
    if (names[static_cast<std::size_t>(d)] == kDud)
        d -= 6;
    return d;
}

std::string_view alterTriadDegrees(int d, bool minorKey, ScaleTable& scaleacc) {
    if (d <= 6)
        return {};
    if (minorKey) {
        if (isOneOf(d, {9, 11, 13}))
            alter(scaleacc, kSeventh, +1);
        if (isOneOf(d, {8, 10, 12}))
            alter(scaleacc, kSixth, +1);
        return kRaisedTriadHint;
    }
    if (isOneOf(d, {9, 11, 13}))
        alter(scaleacc, kSeventh, -1);
    if (isOneOf(d, {7, 9, 12}))
        alter(scaleacc, kThird, -1);
    if (isOneOf(d, {8, 10, 12}))
        alter(scaleacc, kSixth, -1);
    return kFlatDegreeHint;
}

std::string_view alterSeventhDegrees(int d, bool minorKey, ScaleTable& scaleacc) {
    if (d <= 5)
        return {};
    if (minorKey) {
        if (isOneOf(d, {9, 11}))
            alter(scaleacc, kSeventh, +1);
        if (isOneOf(d, {6, 8}))
            alter(scaleacc, kSixth, +1);
        return kRaisedSeventhHint;
    }
    if (d == 9)
        alter(scaleacc, kSeventh, -1);
    if (d == 8)
        alter(scaleacc, kThird, -1);
    if (isOneOf(d, {6, 8, 11}))
        alter(scaleacc, kSixth, -1);
    return kFlatDegreeHint;
}

std::string translatedHint(std::string_view hint) {
    if (hint == kRaisedTriadHint)
        return translate("Alternation", "Watch for raised scale degree 3, 6 or 7");
    if (hint == kRaisedSeventhHint)
        return translate("Alternation", "Watch for raised scale degree 6 or 7");
    if (hint == kFlatDegreeHint)
        return translate("Alternation", "Watch for flat scale degree 3, 6 or 7");
    return std::string(hint);
}

} // namespace tonalyst
