#include "wizard/LessonSeriesList.h"

#include "exercise/DataFields.h"
#include "resources/ProgramPaths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool LessonSeriesList::Load()
{
    return LoadFrom(ProgramFilePath("config", "lessons.txt"));
}

bool LessonSeriesList::LoadFrom(const std::string& path)
{
    m_entries.clear();
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileSize)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        // The file may come with Windows line ends.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == ';')
            continue;
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
