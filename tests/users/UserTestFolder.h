#pragma once

#include "exercise/LineFile.h"
#include "support/TemporaryProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// A program folder of its own, with an empty users folder, for every test.
class UserTestFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.emplace({"users"});
        ASSERT_TRUE(m_folder->IsValid());
        m_root = m_folder->Root();
        ::unsetenv("TIPPWERK_DISKETTE");
    }

    void TearDown() override
    {
        ::unsetenv("TIPPWERK_DISKETTE");
        m_folder.reset();
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

    std::optional<TemporaryProgramFolder> m_folder;
    std::string m_root;
};
