#include "resources/ProgramPaths.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string ExecutableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return {};
    return exe.parent_path().string();
}

std::string HomeFolder()
{
    if (std::string home = Environment("HOME"); !home.empty())
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

// Like mkdir -p, but private as the XDG base directories ask for new folders.
bool MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace

ProgramPaths::Folders ProgramPaths::Resolve(const std::string& executableFolder,
                                            const std::string& tippwerkHome, const std::string& xdgDataHome,
                                            const std::string& home)
{
    Folders folders;
    if (!tippwerkHome.empty()) {
        folders.program = WithSlash(tippwerkHome);
        folders.users = folders.program + "users/";
        return folders;
    }
    if (executableFolder.empty())
        return folders;
    const std::filesystem::path shared =
        (std::filesystem::path(executableFolder) / "../share/tippwerk").lexically_normal();
    std::error_code ec;
    folders.installed = std::filesystem::is_directory(shared, ec);
    if (!folders.installed) {
        folders.program = WithSlash(executableFolder);
        folders.users = folders.program + "users/";
        return folders;
    }
    folders.program = WithSlash(shared.string());
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (xdgDataHome.starts_with('/'))
        folders.users = WithSlash(xdgDataHome) + "tippwerk/users/";
    else if (home.starts_with('/'))
        folders.users = WithSlash(home) + ".local/share/tippwerk/users/";
    return folders;
}

std::string ProgramPaths::ProgramFolder()
{
    if (!TestOverride().empty())
        return TestOverride();
    return Resolve(ExecutableFolder(), Environment("TIPPWERK_HOME"), {}, {}).program;
}

std::string ProgramPaths::UsersFolder()
{
    if (!TestOverride().empty())
        return TestOverride() + "users/";
    const Folders folders =
        Resolve(ExecutableFolder(), Environment("TIPPWERK_HOME"), Environment("XDG_DATA_HOME"), HomeFolder());
    // A failure shows when the first user is saved, with the folder's name.
    std::error_code ec;
    if (folders.installed && !folders.users.empty() && !std::filesystem::is_directory(folders.users, ec))
        MakeFolders(folders.users.substr(0, folders.users.size() - 1));
    return folders.users;
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
