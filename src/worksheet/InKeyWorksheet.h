#pragma once

#include "theory/HeardInKey.h"

#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// "D3 A3 F#4 D5 | G3 B3 D4 G4": each sonority's notes lowest first, as the history writes them.
std::string sonoritiesText(const std::vector<Sonority>& sonorities);

// One JSON line of a question heard in a key: its key and mode, the cadence's chords, what
// is played after it and the right answer, every note spelled with its octave ("F#4") and
// every name canonical. Data only: nothing in it is translated.
std::string inKeyJson(std::string_view activityCode, const HeardInKey& heard);

// The lines that ask the question on a text worksheet, without its number: the key, the
// cadence and what is played after it.
std::vector<std::string> inKeyQuestionLines(const HeardInKey& heard);

// The right names on one line, "I, IV, V7, I"; scale degrees as the options show them.
std::string inKeyAnswerLine(const HeardInKey& heard, const ScaleDegreeOptions& shown);

// The file a question is written to in a --midi folder: "question-01.mid", numbered with as
// many digits as the last question needs, and never fewer than two.
std::string inKeyMidiName(int number, int count);

} // namespace tonalyst
