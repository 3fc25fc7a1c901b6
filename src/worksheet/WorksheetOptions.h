#pragma once

#include "activities/ActivityRegistry.h"
#include "theory/QuestionSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// The name `--activity` takes for it, which its JSON lines carry.
std::string_view worksheetActivityCode(const Activity* activity);

// Scale degrees, chord functions, progressions and cadences: questions heard after a cadence
// in a key, written as text, JSON or MIDI files rather than on staves.
bool isHeardInKey(const Activity* activity);

enum class WorksheetPaper { A4, Letter };

// What `tonalyst worksheet` was asked for.
struct WorksheetOptions {
    const Activity* activity = &startingActivity();
    int count = 10;
    std::optional<std::uint32_t> seed; // a fresh one when not given
    QuestionSettings settings;         // key and chord boxes, inversions, interval and ear-training choices,
                                       // and the options of the activities heard in a key
    bool json = false;
    bool help = false;
    std::optional<std::string> pdf; // the file a PDF worksheet goes to, instead of text
    WorksheetPaper paper = WorksheetPaper::A4;
    // The folder a question heard in a key is written to as a MIDI file each, with the answer key.
    std::optional<std::string> midi;
    // Aimed at one student's weak spots, read from the answer history in the data folder
    // (empty: the per-user data folder).
    bool favorWeakSpots = false;
    std::string user;
    std::string dataDir;
};

// The options, or nothing with the reason in error. Key and chord boxes pass the same
// checks as the settings dialogs' OK; the interval choices are refused where the
// interval dialog refuses them (advanced intervals with all possible notes, or in ear
// training).
std::optional<WorksheetOptions> parseWorksheetOptions(const std::vector<std::string>& args,
                                                      std::string& error);

// The text of `tonalyst worksheet --help`.
std::string worksheetUsage();

} // namespace tonalyst
