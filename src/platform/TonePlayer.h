#pragma once

#include <QStringList>

namespace tonalyst {

// Sounds one-note MIDI files one after the other, each to its end. Playing must never
// block the caller: a request made while notes still sound waits its turn.
class TonePlayer {
public:
    virtual ~TonePlayer() = default;
    virtual void play(const QStringList& midiFiles) = 0;
};

// Used where no sound is wanted or possible.
class SilentTonePlayer final : public TonePlayer {
public:
    void play(const QStringList&) override {}
};

} // namespace tonalyst
