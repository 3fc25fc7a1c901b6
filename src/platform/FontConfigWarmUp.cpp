#include "platform/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace tonalyst {

// fontconfig makes its current configuration once, atomically; Qt later finds it made.
FontConfigWarmUp::FontConfigWarmUp() : m_thread([] { FcInit(); }) {}

void FontConfigWarmUp::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace tonalyst
