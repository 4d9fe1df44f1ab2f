#pragma once

#include <cstdint>
#include <random>

// White noise in [-1, 1) from a fixed seed. std::mt19937's sequence is fixed by the
// standard, and the conversion to double is done here rather than by a distribution
// (whose output differs between standard libraries), so the sounds come out the same
// wherever they are regenerated.
class NoiseSource
{
public:
    explicit NoiseSource(std::uint32_t seed)
        : m_engine(seed)
    {}

    double Next() { return static_cast<double>(m_engine()) / 2147483648.0 - 1.0; }

private:
    std::mt19937 m_engine;
};
