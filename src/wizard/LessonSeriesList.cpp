#include "wizard/LessonSeriesList.h"

#include "exercise/DataFields.h"
#include "exercise/TextList.h"
#include "resources/ProgramPaths.h"

bool LessonSeriesList::Load()
{
    return LoadFrom(ProgramFilePath("config", "lessons.txt"));
}

bool LessonSeriesList::LoadFrom(const std::string& path)
{
    m_entries.clear();
    std::vector<std::string> lines;
    if (!TextList::ReadLines(path, lines))
        return false;
    for (std::string& line : lines) {
        LessonSeries entry;
        if (DataFields::TakeField(line, entry.code) && DataFields::TakeField(line, entry.keyboardName) &&
            DataFields::TakeField(line, entry.title))
            DataFields::TakeField(line, entry.description);
        m_entries.push_back(std::move(entry));
    }
    return true;
}

std::vector<int> LessonSeriesList::ForKeyboard(const std::string& keyboardName) const
{
    std::vector<int> indices;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].keyboardName == keyboardName)
            indices.push_back(static_cast<int>(i));
    return indices;
}

std::string LessonSeriesList::LessonSetOf(const std::string& code)
{
    return code.size() <= 2 ? code : code.substr(code.size() - 2);
}
