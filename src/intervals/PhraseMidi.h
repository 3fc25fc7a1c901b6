#pragma once

#include "intervals/MidiTimeline.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <vector>

namespace tonalyst {

// The phrase as the synthesiser takes it: a piano program change, then every note's
// note-on and note-off in time order, each note-off before a note-on at the same moment so
// a key struck again is not cut short. The length is the end of the last note.
MidiTimeline phraseTimeline(const Phrase& phrase);

// A standard MIDI file of the timeline (format 0, 480 ticks a quarter) at the tempo in quarter
// notes per minute, which sets where its bars fall when a teacher opens it in a notation program.
std::vector<std::uint8_t> standardMidiFile(const MidiTimeline& timeline, int quartersPerMinute);

} // namespace tonalyst
