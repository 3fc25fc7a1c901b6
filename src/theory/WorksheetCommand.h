#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tonalyst {

// `tonalyst worksheet ...`: prints drill questions and their answers, readable or as
// JSON lines (see worksheetUsage). args are the arguments after "worksheet". Returns the
// exit status: 0 done, 2 bad options (the reason goes to err).
int runWorksheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tonalyst
