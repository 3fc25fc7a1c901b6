#pragma once

#include <cstdint>
#include <random>

namespace tonalyst {

// Uniform draws in [0, 1). Every random choice of the program goes through one of these,
// so a test can fix the seed or script the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double uniform() = 0;

    // An index among n cases: Int(n x r).
    int index(int n) { return static_cast<int>(n * uniform()); }
};

// Mersenne Twister, seeded once per run from a real entropy source (or a given seed).
class SeededRandomSource final : public RandomSource {
public:
    SeededRandomSource() : m_engine(std::random_device{}()) {}
    explicit SeededRandomSource(std::uint32_t seed) : m_engine(seed) {}

    double uniform() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
};

} // namespace tonalyst
