#pragma once

#include "intervals/MidiTimeline.h"

namespace tonalyst {

// Where the messages of the tone files go the moment they fall due: the synthesiser, or a
// recorder in tests. Called from the tone player's own thread.
class ToneSink {
public:
    virtual ~ToneSink() = default;
    virtual void send(const MidiMessage& message) = 0;
};

} // namespace tonalyst
