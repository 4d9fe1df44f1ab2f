#include "resources/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string& TestOverride()
{
    static std::string folder;
    return folder;
}

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string ProgramPaths::ProgramFolder()
{
    if (!TestOverride().empty())
        return TestOverride();
    if (const char* home = std::getenv("TIPPWERK_HOME"); home && *home)
        return WithSlash(home);
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return {};
    return WithSlash(exe.parent_path().string());
}

void ProgramPaths::SetProgramFolderForTesting(const std::string& folder)
{
    TestOverride() = folder.empty() ? std::string() : WithSlash(folder);
}

std::string ProgramFilePath(const std::string& folder, const std::string& file)
{
    const std::string base = ProgramPaths::ProgramFolder();
    if (base.empty())
        return {};
    if (folder.empty())
        return base + file;
    return base + folder + '/' + file;
}

bool IsSafeFileName(const std::string& name)
{
    if (name == "." || name == "..")
        return false;
    for (const char c : name) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32 || c == 127)
            return false;
    }
    return true;
}
