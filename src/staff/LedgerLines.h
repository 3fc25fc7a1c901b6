#pragma once

#include "staff/StaffTypes.h"

#include <vector>

namespace tonalyst {

// The staff positions of the five staff lines: bottom line first.
int bottomLinePosition(Clef clef);
int topLinePosition(Clef clef);

// The ledger lines a note at this position needs, as staff positions, nearest the staff
// first: every line position between the staff and the note, the note's own included.
std::vector<int> ledgerLines(Clef clef, int position);

} // namespace tonalyst
