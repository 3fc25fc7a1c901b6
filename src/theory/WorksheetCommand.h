#pragma once

#include "theory/WeakSpots.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tonalyst {

class WorksheetPrinter;

// Where `--favor-weak-spots` finds a student's weak spots: the answer history, which
// lives above theory.
class WeakSpotSource {
public:
    virtual ~WeakSpotSource() = default;
    // The student's schedule, or nothing with the reason in error. dataDir may be empty:
    // the per-user data folder.
    virtual std::optional<WeakSpotSchedule> weakSpots(const std::string& user, const std::string& dataDir,
                                                      std::string& error) = 0;
};

// `tonalyst worksheet ...`: prints drill questions and their answers, readable or as
// JSON lines, or through the printer as a PDF (see worksheetUsage). args are the arguments
// after "worksheet". Returns the exit status: 0 done, 1 nothing could be written, 2 bad
// options (the reason goes to err).
int runWorksheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        WorksheetPrinter* printer = nullptr, WeakSpotSource* weakSpots = nullptr);

} // namespace tonalyst
