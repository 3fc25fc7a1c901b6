#include "theory/Key.h"

#include "theory/Note.h"

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
    std::string name(lettername[static_cast<std::size_t>(tonicLetter + 1)]);
    if (mode == KeyMode::Minor)
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return name + std::string(tonicaccname[static_cast<std::size_t>(tonicAccidental + 1)]);
}

} // namespace tonalyst
