#pragma once

#include "theory/WeakSpots.h"

#include <optional>
#include <string>

namespace tonalyst {

// Where `--favor-weak-spots` finds a student's weak spots: the answer history, which
// lives above theory.
class WeakSpotSource {
public:
    virtual ~WeakSpotSource() = default;
    // The student's schedule, or nothing with the reason in error. dataDir may be empty:
    // the per-user data folder.
    virtual std::optional<WeakSpotSchedule> weakSpots(const std::string& user, const std::string& dataDir,
                                                      std::string& error) = 0;
};

} // namespace tonalyst
