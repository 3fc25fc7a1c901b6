#pragma once

#include "platform/Beeper.h"

namespace tonalyst {

class SystemBeeper final : public Beeper {
public:
    void beep() override;
};

} // namespace tonalyst
