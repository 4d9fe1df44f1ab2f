#pragma once

#include <cstdint>
#include <random>

// The random numbers of the remark's random tables, 0 to 32767 like the C library's rand.
// The owner seeds it once per process; tests and the data tool fix the seed.
class RemarkRandom
{
public:
    // Seeded from the system's entropy source.
    RemarkRandom();
    explicit RemarkRandom(std::uint32_t seed);

    int Next();

private:
    std::mt19937 m_engine;
};
