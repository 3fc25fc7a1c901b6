#include "theory/Note.h"

namespace tonalyst {

std::optional<int> accidentalCode(int accidental) {
    switch (accidental) {
    case kNoSignNeeded:
        return NoSign;
    case 0:
        return Natural;
    case 1:
        return Sharp;
    case -1:
        return Flat;
    case 2:
        return DoubleSharp;
    case -2:
        return DoubleFlat;
    default:
        return std::nullopt;
    }
}

int letterIndex(int step) {
    return ((step % 7) + 7) % 7;
}

std::string noteName(const SpelledNote& note) {
    static constexpr std::array<std::string_view, 5> suffix{"-double-flat", "-flat", "", "-sharp",
                                                            "-double-sharp"};
    std::string name(lettername[static_cast<std::size_t>(letterIndex(note.step) + 1)]);
    if (note.accidental >= -2 && note.accidental <= 2)
        name += suffix[static_cast<std::size_t>(note.accidental + 2)];
    return name;
}

bool isWritable(const SpelledNote& note) {
    const int letter = letterIndex(note.step);
    if (note.accidental < -2 || note.accidental > 2)
        return false;
    if (note.accidental == 2 && (letter == 2 || letter == 6))
        return false;
    return !(note.accidental == -2 && (letter == 0 || letter == 3));
}

} // namespace tonalyst
