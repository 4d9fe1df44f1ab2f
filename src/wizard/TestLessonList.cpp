#include "wizard/TestLessonList.h"

#include "exercise/LessonCatalog.h"

#include <charconv>

std::vector<TestLessonRow> TestLessonList::Build(const LessonCatalog& catalog)
{
    std::vector<TestLessonRow> rows;
    std::string letters;
    for (int i = 0; i < catalog.LessonCount(); ++i) {
        letters += catalog.NewLetters(i);
        if (!catalog.TestEntry(i))
            continue;
        rows.push_back({letters, FormatLimit(catalog.ErrorLimit(i)), FormatLimit(catalog.SpeedLimit(i)), i});
    }
    return rows;
}

std::string TestLessonList::FormatLimit(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return "0.00";
    return std::string(buffer, result.ptr);
}
