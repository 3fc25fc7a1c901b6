#pragma once

#include "theory/WeakSpotSource.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tonalyst {

class WorksheetPrinter;

// `tonalyst worksheet ...`: prints drill questions and their answers, readable or as
// JSON lines, or through the printer as a PDF (see worksheetUsage). args are the arguments
// after "worksheet". Returns the exit status: 0 done, 1 nothing could be written, 2 bad
// options (the reason goes to err).
int runWorksheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        WorksheetPrinter* printer = nullptr, WeakSpotSource* weakSpots = nullptr);

} // namespace tonalyst
