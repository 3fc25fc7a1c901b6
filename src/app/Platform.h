#pragma once

#include "platform/Beeper.h"
#include "platform/Clock.h"
#include "platform/FileLocations.h"
#include "platform/Prompter.h"
#include "platform/TonePlayer.h"
#include "theory/RandomSource.h"

namespace tonalyst {

// The outside world as the main window sees it. The program passes the real desktop
// implementations; tests pass stand-ins.
struct Platform {
    Clock& clock;
    RandomSource& random;
    Prompter& prompter;
    Beeper& beeper;
    TonePlayer& tones;
    const FileLocations& files;
};

} // namespace tonalyst
