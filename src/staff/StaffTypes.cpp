#include "staff/StaffTypes.h"

namespace tonalyst {

char letterOfPosition(int position) {
    static constexpr char kLetters[] = "CDEFGAB";
    return kLetters[((position - 1) % 7 + 7) % 7];
}

} // namespace tonalyst
