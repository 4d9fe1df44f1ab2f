#pragma once

#include "exercise/LineFile.h"
#include "resources/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A program folder of its own, with an empty users folder, for every test.
class UserTestFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tippwerk-users-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern + '/';
        std::filesystem::create_directory(m_root + "users");
        ProgramPaths::SetProgramFolderForTesting(m_root);
        ::unsetenv("TIPPWERK_DISKETTE");
    }

    void TearDown() override
    {
        ProgramPaths::SetProgramFolderForTesting({});
        ::unsetenv("TIPPWERK_DISKETTE");
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }

    std::string Users() const { return m_root + "users/"; }

    static void WriteLines(const std::string& path, const std::vector<std::string>& lines)
    {
        LineFile file;
        for (const auto& line : lines)
            file.AddLine(line);
        ASSERT_TRUE(file.SaveLines(path));
    }

    static std::vector<std::string> ReadLines(const std::string& path)
    {
        LineFile file;
        EXPECT_TRUE(file.LoadLines(path)) << path;
        return file.Lines();
    }

    std::string m_root;
};
