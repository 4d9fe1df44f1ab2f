#include "exercise/TextList.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool TextList::ReadLines(const std::string& path, std::vector<std::string>& lines)
{
    lines.clear();
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
        lines.push_back(std::move(line));
    }
    return true;
}
