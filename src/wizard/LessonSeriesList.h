#pragma once

#include "exercise/TextList.h"
#include "wizard/LessonSeries.h"

#include <cstdint>
#include <string>
#include <vector>

// The courses offered by the first-run wizard (config/lessons.txt, plain Windows-1250
// text): series code, keyboard name, title and description per line.
class LessonSeriesList
{
public:
    // Replaces the entries with those of config/lessons.txt. False when the file cannot
    // be opened or is far larger than any list of courses.
    bool Load();
    // The same from any file. Lines starting with ';' are remarks; every other line, an
    // empty one too, is an entry of four colon-closed fields, missing ones left empty.
    bool LoadFrom(const std::string& path);

    const std::vector<LessonSeries>& Entries() const { return m_entries; }

    // Indices of the entries for that keyboard, in file order.
    std::vector<int> ForKeyboard(const std::string& keyboardName) const;

    // The lesson set of a series: the last two characters of its code.
    static std::string LessonSetOf(const std::string& code);

    // Larger files are refused rather than read into memory.
    static constexpr std::uintmax_t kMaxFileSize = TextList::kMaxFileSize;

private:
    std::vector<LessonSeries> m_entries;
};
