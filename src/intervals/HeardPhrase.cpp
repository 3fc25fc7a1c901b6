#include "intervals/HeardPhrase.h"

#include <algorithm>

namespace tonalyst {

namespace {

// 60 is middle C.
int midiKey(const Pitch& pitch) {
    return 60 + pitch.semitones();
}

} // namespace

InKeyPhrases::InKeyPhrases(int quartersPerMinute) : m_beatSeconds(60.0 / std::max(1, quartersPerMinute)) {}

Phrase InKeyPhrases::cadenceThenQuestion(const HeardInKey& heard) const {
    Phrase phrase;
    const double cadenceEnd = append(phrase, heard.cadence, 0.0);
    append(phrase, heard.played, cadenceEnd + m_beatSeconds);
    return phrase;
}

Phrase InKeyPhrases::cadence(const HeardInKey& heard) const {
    Phrase phrase;
    append(phrase, heard.cadence, 0.0);
    return phrase;
}

Phrase InKeyPhrases::question(const HeardInKey& heard) const {
    Phrase phrase;
    append(phrase, heard.played, 0.0);
    return phrase;
}

Phrase InKeyPhrases::resolution(const HeardInKey& heard) const {
    Phrase phrase;
    append(phrase, heard.resolution, 0.0);
    return phrase;
}

double InKeyPhrases::append(Phrase& phrase, const std::vector<Sonority>& sonorities, double startAt) const {
    double start = startAt;
    for (const Sonority& sonority : sonorities) {
        const double length = sonority.size() > 1 ? 2 * m_beatSeconds : m_beatSeconds;
        for (const Pitch& pitch : sonority)
            phrase.notes.push_back({midiKey(pitch), start, length});
        start += length;
    }
    return start;
}

} // namespace tonalyst
