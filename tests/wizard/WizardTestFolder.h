#pragma once

#include "exercise/LessonCatalog.h"
#include "exercise/LineFile.h"
#include "exercise/TypingSession.h"
#include "resources/TextCodec.h"
#include "support/TemporaryProgramFolder.h"
#include "users/UserProfile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A program folder of the test's own with config, lessons and users folders; texts are
// written in UTF-8 here and stored in Windows-1250 like the installed files.
class WizardTestFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.emplace({"config", "lessons", "users"});
        ASSERT_TRUE(m_folder->IsValid());
        m_root = m_folder->Root();
        m_session = std::make_unique<TypingSession>();
    }

    void TearDown() override
    {
        // Gone before its folder: a changed user saves itself on the way out.
        m_session.reset();
        m_folder.reset();
    }

    // config/<name> as plain text, one line each, CR LF line ends.
    void WriteConfigText(const std::string& name, const std::vector<std::string>& utf8Lines)
    {
        std::ofstream out(m_root + "config/" + name, std::ios::binary);
        for (const auto& line : utf8Lines)
            out << TextCodec::FromUtf8(line) << "\r\n";
        ASSERT_TRUE(out.good());
    }

    // An (empty) keyboard file: the wizard only looks at its name.
    void WriteKeyboardFile(const std::string& name) { std::ofstream(m_root + "config/" + name + ".kdd"); }

    // lessons/<name>.ddd as a line file whose identity line is its name.
    void WriteCourse(const std::string& name, const std::vector<std::string>& utf8Lines)
    {
        LineFile file;
        file.AddLine(name);
        for (const auto& line : utf8Lines)
            file.AddLine(TextCodec::FromUtf8(line));
        ASSERT_TRUE(file.SaveLines(m_root + "lessons/" + name + ".ddd"));
    }

    std::optional<TemporaryProgramFolder> m_folder;
    std::string m_root;

    UserProfile& Profile() { return m_session->profile; }
    LessonCatalog& Catalog() { return m_session->catalog; }

    std::unique_ptr<TypingSession> m_session;
};

// Test texts are UTF-8; the logic works in Windows-1250.
inline std::string W(const std::string& utf8)
{
    return TextCodec::FromUtf8(utf8);
}
