#pragma once

#include "platform/TonePlayer.h"

#include <vector>

namespace tonalyst::test {

class RecordingTonePlayer final : public TonePlayer {
public:
    void play(const QStringList& midiFiles) override { m_played << midiFiles; }
    void playPhrase(const Phrase& phrase) override { m_phrases.push_back(phrase); }
    void silence() override { ++m_silences; }
    const QStringList& played() const { return m_played; }
    const std::vector<Phrase>& phrases() const { return m_phrases; }
    int silences() const { return m_silences; }
    void clear() {
        m_played.clear();
        m_phrases.clear();
        m_silences = 0;
    }

private:
    QStringList m_played;
    std::vector<Phrase> m_phrases;
    int m_silences = 0;
};

} // namespace tonalyst::test
