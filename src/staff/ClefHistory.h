#pragma once

#include "staff/StaffTypes.h"
#include "theory/QuestionSettings.h"
#include "theory/RandomSource.h"

#include <array>
#include <optional>

namespace tonalyst {

// The clef of each question of a test, so that the review shows every question in the clef
// it was asked in.
class ClefHistory {
public:
    static constexpr int kQuestions = 20;

    // The clef for question q from the clef setting (a random clef is treble for a draw
    // below one half); recorded when q is a question of a test (1 to 20).
    Clef choose(ClefChoice choice, RandomSource& random, int questionNumber);
    // The clef question q was asked in, if it was recorded.
    std::optional<Clef> recorded(int questionNumber) const;

private:
    std::array<std::optional<Clef>, kQuestions> m_clefs{};
};

} // namespace tonalyst
