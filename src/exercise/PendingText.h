#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

// The text that wrapping an imported line carries into the next one. It is cleaned
// already, so a further clean-up pass over it only shortens its runs of spaces (n spaces
// become n / 4, rounded up). Each run is kept as one space plus, while it is longer than
// one, its length in a queue: a pass costs only the runs that still shrink, and taking a
// line off the front costs only that line, however much text waits behind it.
class PendingText
{
public:
    bool Empty() const { return m_head == m_text.size(); }

    // Removes the run of spaces that ends the text and returns its length (0 if none).
    std::size_t TakeTrailingSpaces();

    // What one more clean-up pass does to the text.
    void ShortenSpaceRuns();

    // Appends cleaned text; spaces at its start join a run at the end of the text.
    void Append(std::string_view text);

    // The first `count` characters (fewer if the text is shorter).
    std::string Front(std::size_t count) const;

    // Removes the first `count` characters.
    void DropFront(std::size_t count);

    void Clear();

private:
    struct Run
    {
        std::size_t position; // of its space, counted from the first character ever appended
        std::size_t length;   // above 1
    };

    std::size_t Position(std::size_t index) const { return m_dropped + index; }
    std::size_t Index(std::size_t position) const { return position - m_dropped; }

    std::string m_text;         // each run of spaces as one space
    std::size_t m_head = 0;     // index of the first character still pending
    std::size_t m_dropped = 0;  // characters erased from the start of m_text
    std::deque<Run> m_longRuns; // runs longer than one space, in text order
};
