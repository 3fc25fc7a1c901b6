#pragma once

#include "theory/RandomSource.h"

#include <deque>

namespace tonalyst::test {

// Hands out the scripted draws first, then a fixed-seed sequence.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::uint32_t seed = 12345) : m_fallback(seed) {}

    void push(double r) { m_script.push_back(r); }
    double uniform() override {
        if (m_script.empty())
            return m_fallback.uniform();
        const double r = m_script.front();
        m_script.pop_front();
        return r;
    }

private:
    std::deque<double> m_script;
    SeededRandomSource m_fallback;
};

} // namespace tonalyst::test
