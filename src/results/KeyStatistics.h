#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Keystrokes, faults, wrong characters and interval sums per character of the keyboard's
// character set. A character counts at its first position; characters whose first
// position is beyond the 200th are not counted.
class KeyStatistics
{
public:
    static constexpr int kMaxPositions = 200;

    explicit KeyStatistics(std::string characters);

    // One keystroke where `expected` was asked for and `typed` typed; a character
    // outside the set is not counted.
    void Add(char expected, char typed, std::int32_t interval);

    const std::string& Characters() const { return m_characters; }
    // The position that counts for `c`, or -1 when it is not counted.
    int Position(char c) const { return m_position[static_cast<unsigned char>(c)]; }

    int Keystrokes(char c) const;
    int Faults(char c) const;
    const std::string& WrongCharacters(char c) const;
    // Faults × 100 ÷ keystrokes, percent; 0 without faults or keystrokes.
    double FaultRate(char c) const;
    // Interval sum ÷ keystrokes in whole milliseconds; 0 without keystrokes.
    int MeanInterval(char c) const;

private:
    struct Counts
    {
        int keystrokes = 0;
        int faults = 0;
        std::int64_t intervalSum = 0;
        std::string wrongCharacters;
    };
    const Counts* Find(char c) const;

    std::string m_characters;
    std::array<int, 256> m_position;
    std::vector<Counts> m_counts;
};
