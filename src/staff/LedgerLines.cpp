#include "staff/LedgerLines.h"

namespace tonalyst {

int bottomLinePosition(Clef clef) {
    return clef == Clef::Treble ? 3 : 5;
}

int topLinePosition(Clef clef) {
    return bottomLinePosition(clef) + 8;
}

std::vector<int> ledgerLines(Clef clef, int position) {
    std::vector<int> lines;
    for (int line = bottomLinePosition(clef) - 2; line >= position; line -= 2)
        lines.push_back(line);
    for (int line = topLinePosition(clef) + 2; line <= position; line += 2)
        lines.push_back(line);
    return lines;
}

} // namespace tonalyst
