#include "exercise/PendingText.h"

#include <algorithm>

std::size_t PendingText::TakeTrailingSpaces()
{
    if (Empty() || m_text.back() != ' ')
        return 0;
    std::size_t length = 1;
    if (!m_longRuns.empty() && m_longRuns.back().position == Position(m_text.size() - 1)) {
        length = m_longRuns.back().length;
        m_longRuns.pop_back();
    }
    m_text.pop_back();
    return length;
}

void PendingText::ShortenSpaceRuns()
{
    for (Run& run : m_longRuns)
        run.length = (run.length + 3) / 4;
    std::erase_if(m_longRuns, [](const Run& run) { return run.length < 2; });
}

void PendingText::Append(std::string_view text)
{
    for (const char c : text) {
        if (c == ' ' && !Empty() && m_text.back() == ' ') {
            const std::size_t last = Position(m_text.size() - 1);
            if (!m_longRuns.empty() && m_longRuns.back().position == last)
                ++m_longRuns.back().length;
            else
                m_longRuns.push_back({last, 2});
            continue;
        }
        m_text += c;
    }
}

std::string PendingText::Front(std::size_t count) const
{
    std::string front;
    auto run = m_longRuns.begin();
    for (std::size_t i = m_head; i < m_text.size() && front.size() < count; ++i) {
        if (run != m_longRuns.end() && run->position == Position(i)) {
            front.append(std::min(run->length, count - front.size()), ' ');
            ++run;
        } else {
            front += m_text[i];
        }
    }
    return front;
}

void PendingText::DropFront(std::size_t count)
{
    while (count > 0 && !Empty()) {
        if (!m_longRuns.empty() && m_longRuns.front().position == Position(m_head)) {
            Run& run = m_longRuns.front();
            if (count < run.length) {
                // The rest of the run stays in front.
                run.length -= count;
                if (run.length < 2)
                    m_longRuns.pop_front();
                return;
            }
            count -= run.length;
            m_longRuns.pop_front();
        } else {
            --count;
        }
        ++m_head;
    }
    // Text taken off the front is given back once it is the larger part.
    if (m_head > 4096 && m_head > m_text.size() / 2) {
        m_text.erase(0, m_head);
        m_dropped += m_head;
        m_head = 0;
    }
}

void PendingText::Clear()
{
    m_text.clear();
    m_head = 0;
    m_dropped = 0;
    m_longRuns.clear();
}
