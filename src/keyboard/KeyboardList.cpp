#include "keyboard/KeyboardList.h"

#include "exercise/DataFields.h"
#include "exercise/TextList.h"
#include "resources/ProgramPaths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

bool KeyboardList::Load()
{
    return LoadFrom(ProgramFilePath("config", "keyboards.txt"));
}

bool KeyboardList::LoadFrom(const std::string& path)
{
    m_entries.clear();
    std::vector<std::string> lines;
    if (!TextList::ReadLines(path, lines))
        return false;
    for (std::string& line : lines) {
        KeyboardListEntry entry;
        if (DataFields::TakeField(line, entry.keyboardName))
            DataFields::TakeField(line, entry.displayName);
        m_entries.push_back(std::move(entry));
    }
    return true;
}

std::vector<std::string> KeyboardList::KeyboardFileNames()
{
    std::vector<std::string> names;
    const std::string folder = ProgramFilePath("config", "");
    if (folder.empty())
        return names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec))
            continue;
        const std::string file = it->path().filename().string();
        if (file.size() < 4 || file.compare(file.size() - 4, 4, ".kdd") != 0)
            continue;
        names.push_back(file.substr(0, file.find('.')));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<int> KeyboardList::Offered(const std::vector<std::string>& names,
                                       const std::function<bool(const std::string&)>& isAvailable) const
{
    std::vector<int> offered;
    for (const std::string& name : names) {
        const bool available = (isAvailable && isAvailable(name)) || name == "NUM";
        if (!available)
            continue;
        for (size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].keyboardName == name)
                offered.push_back(static_cast<int>(i));
    }
    return offered;
}
