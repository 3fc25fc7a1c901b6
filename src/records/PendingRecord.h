#pragma once

#include <QString>

namespace tonalyst {

// One answered question of a run, held until the run ends. The user ID and the date are
// added when the run is written, so a run that crosses midnight is dated by its end.
struct PendingRecord {
    QString recmethod;     // "practice" or "test"
    QString recactivity;   // the activity code, or the mode for ear training and key signatures
    QString recinversions; // "-1" when inversions were off for the question, "0" when on
    QString reccategory;   // the question's category caption
    int recseconds = 0;    // answer time in whole seconds
    int recsuccess = 0;    // 1 right, 0 wrong
    int recsigcount = 0;   // sharps or flats in the key signature
};

} // namespace tonalyst
