#pragma once

#include "platform/Beeper.h"

namespace tonalyst::test {

class RecordingBeeper final : public Beeper {
public:
    void beep() override { ++m_count; }
    int count() const { return m_count; }
    void reset() { m_count = 0; }

private:
    int m_count = 0;
};

} // namespace tonalyst::test
