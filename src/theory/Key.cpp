#include "theory/Key.h"

#include "theory/Pitch.h"

#include <cctype>

namespace tonalyst {

std::string_view keyModeCode(KeyMode mode) {
    switch (mode) {
    case KeyMode::Major:
        return "major";
    case KeyMode::Minor:
        return "minor";
    case KeyMode::MajorMinor:
        return "majorminor";
    }
    return {};
}

std::string keyName(int tonicLetter, int tonicAccidental, KeyMode mode) {
    std::string name = noteName({tonicLetter, tonicAccidental});
    if (mode == KeyMode::Minor)
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return name;
}

} // namespace tonalyst
