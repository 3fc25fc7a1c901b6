#pragma once

#include "platform/Phrase.h"

#include <QStringList>

namespace tonalyst {

// Sounds one-note MIDI files one after the other, each to its end, and phrases of notes.
// Playing must never block the caller: a request made while notes still sound waits its turn.
class TonePlayer {
public:
    virtual ~TonePlayer() = default;
    virtual void play(const QStringList& midiFiles) = 0;
    // Sounds the phrase once what was asked before it has sounded.
    virtual void playPhrase(const Phrase& phrase) = 0;
    // Stops what sounds and drops what waits, so a new question or a replay starts clean.
    virtual void silence() = 0;
};

// Used where no sound is wanted or possible.
class SilentTonePlayer final : public TonePlayer {
public:
    void play(const QStringList&) override {}
    void playPhrase(const Phrase&) override {}
    void silence() override {}
};

} // namespace tonalyst
