#include "users/DisketteFolder.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace {

constexpr char kFolderName[] = "Tippwerk/";

// The mount table writes blanks, tabs, newlines and backslashes as \ooo.
std::string UnescapeMountField(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                out += static_cast<char>(std::stoi(digits, nullptr, 8) & 0xFF);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::string CurrentUser()
{
    if (const char* user = std::getenv("USER"); user && *user)
        return user;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
        return entry->pw_name;
    return {};
}

} // namespace

std::string DisketteFolder::FromMountTable(const std::string& mounts, const std::string& user)
{
    if (user.empty() || user.find('/') != std::string::npos)
        return {};
    const std::string roots[] = {"/media/" + user + "/", "/run/media/" + user + "/"};
    std::istringstream lines(mounts);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint))
            continue;
        mountPoint = UnescapeMountField(mountPoint);
        for (const std::string& root : roots) {
            // A medium is a folder directly below the root, not the root itself.
            if (mountPoint.size() > root.size() && mountPoint.starts_with(root) &&
                mountPoint.find('/', root.size()) == std::string::npos)
                return mountPoint + '/' + kFolderName;
        }
    }
    return {};
}

std::string DisketteFolder::Path()
{
    if (const char* folder = std::getenv("TIPPWERK_DISKETTE"); folder && *folder) {
        std::string path = folder;
        if (path.back() != '/')
            path += '/';
        return path;
    }
    std::ifstream table("/proc/self/mounts");
    if (!table)
        return {};
    std::ostringstream text;
    text << table.rdbuf();
    return FromMountTable(text.str(), CurrentUser());
}
