#include "intervals/SoundFontChoice.h"

#include <filesystem>
#include <system_error>

namespace tonalyst {

const std::vector<std::string>& soundFontCandidates() {
    static const std::vector<std::string> candidates{
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",
    };
    return candidates;
}

std::optional<std::string> findSoundFont(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

} // namespace tonalyst
