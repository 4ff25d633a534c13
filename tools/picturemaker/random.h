#pragma once

#include <cstdint>
#include <random>

// Seeded randomness whose results do not depend on the standard library's
// distributions, so the pictures come out the same wherever they are made.
class Random
{
public:
    explicit Random(std::uint32_t seed) : m_engine(seed) {}

    double uniform(double low, double high) { return low + (high - low) * (double(m_engine()) / 4294967296.0); }
    int range(int low, int high) // both ends included
    {
        return low + int(m_engine() % std::uint32_t(high - low + 1));
    }
    bool chance(double probability) { return uniform(0.0, 1.0) < probability; }

private:
    std::mt19937 m_engine;
};
