#include "results/KeyStatistics.h"

#include "results/ResultNumbers.h"

#include <algorithm>

KeyStatistics::KeyStatistics(std::string characters)
    : m_characters(std::move(characters))
{
    m_position.fill(-1);
    const int counted = std::min(static_cast<int>(m_characters.size()), kMaxPositions);
    for (int i = counted - 1; i >= 0; --i)
        m_position[static_cast<unsigned char>(m_characters[static_cast<std::size_t>(i)])] = i;
    m_counts.resize(static_cast<std::size_t>(counted));
}

const KeyStatistics::Counts* KeyStatistics::Find(char c) const
{
    const int position = Position(c);
    return position < 0 ? nullptr : &m_counts[static_cast<std::size_t>(position)];
}

void KeyStatistics::Add(char expected, char typed, std::int32_t interval)
{
    const int position = Position(expected);
    if (position < 0)
        return;
    Counts& counts = m_counts[static_cast<std::size_t>(position)];
    ++counts.keystrokes;
    counts.intervalSum += interval;
    if (typed != expected) {
        ++counts.faults;
        counts.wrongCharacters += typed == ' ' ? '_' : typed;
    }
}

int KeyStatistics::Keystrokes(char c) const
{
    const Counts* counts = Find(c);
    return counts ? counts->keystrokes : 0;
}

int KeyStatistics::Faults(char c) const
{
    const Counts* counts = Find(c);
    return counts ? counts->faults : 0;
}

const std::string& KeyStatistics::WrongCharacters(char c) const
{
    static const std::string none;
    const Counts* counts = Find(c);
    return counts ? counts->wrongCharacters : none;
}

double KeyStatistics::FaultRate(char c) const
{
    const Counts* counts = Find(c);
    if (!counts || counts->faults == 0)
        return 0.0;
    return ResultNumbers::Quotient(counts->faults * 100.0, counts->keystrokes);
}

int KeyStatistics::MeanInterval(char c) const
{
    const Counts* counts = Find(c);
    if (!counts || counts->keystrokes == 0)
        return 0;
    return ResultNumbers::Clamp(counts->intervalSum / counts->keystrokes);
}
