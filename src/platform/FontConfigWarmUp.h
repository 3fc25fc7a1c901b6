#pragma once

#include <thread>

namespace tonalyst {

// Reads the system's font configuration and font caches on a second core while the
// first one connects to the window system. On a system with many fonts this reading
// takes longer than anything else before the first window can be drawn, and nothing in
// it needs the window system. wait() returns once it is done; the first text laid out
// must come after it, or the reading is done twice.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    void wait();

private:
    std::jthread m_thread;
};

} // namespace tonalyst
