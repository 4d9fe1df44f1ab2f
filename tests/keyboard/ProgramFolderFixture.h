#pragma once

#include "exercise/LineFile.h"
#include "exercise/TypeableCharacters.h"
#include "resources/TextCodec.h"
#include "support/TemporaryProgramFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

// A program folder of the test's own with an empty config folder; data files are
// written into it as packed line files from UTF-8 text.
class ProgramFolderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.emplace({"config"});
        ASSERT_TRUE(m_folder->IsValid());
        m_dir = m_folder->Root();
    }
    void TearDown() override { m_folder.reset(); }

    // config/<name> as a packed line file of the given UTF-8 lines.
    void WriteConfig(const std::string& name, const std::vector<std::string>& utf8Lines)
    {
        LineFile file;
        for (const auto& line : utf8Lines)
            file.AddLine(TextCodec::FromUtf8(line));
        ASSERT_TRUE(file.SaveLines(ConfigPath(name)));
    }

    std::string ConfigPath(const std::string& name) const { return (m_dir / "config" / name).string(); }

    std::optional<TemporaryProgramFolder> m_folder;
    std::filesystem::path m_dir;

    // What the keyboards loaded here can type.
    TypeableCharacters m_typeable;
};

// Test texts are UTF-8; the keyboard works in Windows-1250.
inline std::string W(const std::string& utf8)
{
    return TextCodec::FromUtf8(utf8);
}
