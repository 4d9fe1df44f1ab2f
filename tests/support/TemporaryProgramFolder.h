#pragma once

#include "resources/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

// A program folder of the test's own in the temporary folder, with the given sub-folders.
// It is the program's folder for as long as it lives, and goes with everything in it.
class TemporaryProgramFolder
{
public:
    explicit TemporaryProgramFolder(std::initializer_list<const char*> folders = {})
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tippwerk-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            return;
        m_root = pattern + '/';
        for (const char* folder : folders)
            std::filesystem::create_directories(m_root + folder);
        ProgramPaths::SetProgramFolderForTesting(m_root);
    }
    ~TemporaryProgramFolder()
    {
        ProgramPaths::SetProgramFolderForTesting({});
        std::error_code ec;
        if (!m_root.empty())
            std::filesystem::remove_all(m_root, ec);
    }
    TemporaryProgramFolder(const TemporaryProgramFolder&) = delete;
    TemporaryProgramFolder& operator=(const TemporaryProgramFolder&) = delete;

    bool IsValid() const { return !m_root.empty(); }
    // The folder with a trailing '/'.
    const std::string& Root() const { return m_root; }

private:
    std::string m_root;
};
