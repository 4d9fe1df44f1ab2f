#include "exercise/RemarkRandom.h"

RemarkRandom::RemarkRandom()
    : m_engine(std::random_device{}())
{}

RemarkRandom::RemarkRandom(std::uint32_t seed)
    : m_engine(seed)
{}

int RemarkRandom::Next()
{
    // The top 15 bits: the same numbers on every platform for a given seed.
    return static_cast<int>(m_engine() >> 17);
}
