#pragma once

#include "platform/Phrase.h"
#include "theory/HeardInKey.h"

#include <vector>

namespace tonalyst {

// How the questions heard in a key sound at a tempo in quarter notes per minute: chords as
// half notes, single notes as quarters.
class InKeyPhrases {
public:
    explicit InKeyPhrases(int quartersPerMinute);

    // The cadence, a beat's rest, then the question: what a question sounds like when asked.
    Phrase cadenceThenQuestion(const HeardInKey& heard) const;
    // The cadence alone, to set the key again.
    Phrase cadence(const HeardInKey& heard) const;
    // The question alone, when the key is known already or the student asks to hear it again.
    Phrase question(const HeardInKey& heard) const;
    // What follows the answer: a scale degree resolving to the tonic; empty when nothing does.
    Phrase resolution(const HeardInKey& heard) const;

    double beatSeconds() const { return m_beatSeconds; }

private:
    // Appends the sonorities from startAt; returns when the last one ends.
    double append(Phrase& phrase, const std::vector<Sonority>& sonorities, double startAt) const;

    double m_beatSeconds;
};

} // namespace tonalyst
