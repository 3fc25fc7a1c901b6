#pragma once

#include <optional>
#include <string>

namespace tonalyst {

// The clef decides the octave of a staff position: treble position 1 is middle C, bass
// position 1 the C two octaves below.
enum class ToneClef { Treble, Bass };

// The key number (60 = middle C) of the note at staff position `notenum` (1..14) with
// accidental code `notetype` (0..5); nothing for a code or position off the staff.
std::optional<int> notePitch(int notetype, int notenum, ToneClef clef);

// The one-note MIDI file that sounds that note, e.g. "C3#.MID" for treble D flat at
// position 2; nothing for a code or position off the staff.
std::optional<std::string> playnotesFileName(int notetype, int notenum, ToneClef clef);

} // namespace tonalyst
