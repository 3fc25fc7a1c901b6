#pragma once

#include "theory/HeardInKey.h"

#include <string>
#include <vector>

namespace tonalyst {

// Writes each question as a MIDI file of its own in the folder (made if missing), the
// cadence and then the question at the tempo, and the answer key as answers.txt. False,
// with the reason in error, when any of it could not be written; then the files this call
// wrote are taken away again, so that a folder is never left half a worksheet.
bool writeInKeyMidiFolder(const std::string& folder, const std::vector<HeardInKey>& questions, int tempo,
                          const std::string& answerKey, std::string& error);

} // namespace tonalyst
