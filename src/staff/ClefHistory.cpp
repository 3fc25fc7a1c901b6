#include "staff/ClefHistory.h"

namespace tonalyst {

namespace {
bool isRecordable(int questionNumber) {
    return questionNumber >= 1 && questionNumber <= ClefHistory::kQuestions;
}
} // namespace

Clef ClefHistory::choose(ClefChoice choice, RandomSource& random, int questionNumber) {
    Clef clef = Clef::Treble;
    switch (choice) {
    case ClefChoice::Treble:
        clef = Clef::Treble;
        break;
    case ClefChoice::Bass:
        clef = Clef::Bass;
        break;
    case ClefChoice::Random:
        clef = random.uniform() < 0.5 ? Clef::Treble : Clef::Bass;
        break;
    }
    // Practice questions run past twenty; only a test's questions are ever reviewed.
    if (isRecordable(questionNumber))
        m_clefs[static_cast<std::size_t>(questionNumber - 1)] = clef;
    return clef;
}

std::optional<Clef> ClefHistory::recorded(int questionNumber) const {
    if (!isRecordable(questionNumber))
        return std::nullopt;
    return m_clefs[static_cast<std::size_t>(questionNumber - 1)];
}

} // namespace tonalyst
