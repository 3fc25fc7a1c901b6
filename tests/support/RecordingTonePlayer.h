#pragma once

#include "platform/TonePlayer.h"

namespace tonalyst::test {

class RecordingTonePlayer final : public TonePlayer {
public:
    void play(const QStringList& midiFiles) override { m_played << midiFiles; }
    const QStringList& played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    QStringList m_played;
};

} // namespace tonalyst::test
