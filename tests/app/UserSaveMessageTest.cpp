#include "MenuCommandFixture.h"

#include "app/UserFileSaver.h"
#include "exercise/LineFile.h"
#include "settings/SettingsDialog.h"
#include "users/LoginDialog.h"
#include "wizard/LessonEndDialog.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

// The users folder of the fixture can be replaced by a file: then no user file can be
// written there, whoever runs the test (root ignores permissions, not file types).
class UserSaveMessageTest : public MenuCommandFixture
{
protected:
    void TearDown() override
    {
        SettingsDialog::ClearNextAnswer();
        LoginDialog::ClearNextAnswers();
        LessonEndDialog::ClearNextAnswer();
        ::unsetenv("TIPPWERK_DISKETTE");
        MenuCommandFixture::TearDown();
    }

    std::string Users() const { return m_dir.filePath(QStringLiteral("users")).toStdString(); }

    void BreakUsersFolder()
    {
        std::filesystem::remove_all(Users());
        std::ofstream(Users()) << "not a folder";
    }

    void RepairUsersFolder()
    {
        std::filesystem::remove(Users());
        std::filesystem::create_directory(Users());
    }

    // The messages that tell of a failed save of Anna's data file.
    int FailureMessages() const
    {
        const QString expected =
            QStringLiteral("Ihre Daten konnten nicht unter „%1/Anna.dat“ gespeichert werden.\nGrund: %2")
                .arg(QString::fromStdString(Users()), QString::fromLocal8Bit(std::strerror(ENOTDIR)));
        return static_cast<int>(messages.count(expected));
    }
};

} // namespace

// Every save of the main window says once that it failed; the changes wait for the next one.
TEST_F(UserSaveMessageTest, EveryFailedSaveIsToldOnceAndTheChangesWaitForTheNextSave)
{
    // The diskette copy works; it must not count for the users folder's.
    ::setenv("TIPPWERK_DISKETTE", m_dir.filePath(QStringLiteral("stick")).toUtf8().constData(), 1);
    CMainFrame& frame = Frame();
    const std::vector<std::pair<const char*, std::function<void()>>> saves = {
        {"settings",
         [&] {
             SettingsDialog::SetNextAnswer(SettingsDialog::kOkId);
             frame.RunCommand(CMainFrame::kSettings);
         }},
        {"lesson end",
         [&] {
             LessonEndDialog::SetNextAnswer(LessonEndDialog::kEndId);
             frame.RunLessonEndDialog("Anna", true, 1);
         }},
        {"diskette", [&] { frame.RunCommand(CMainFrame::kSaveToDiskette); }},
        {"change of user",
         [&] {
             LoginDialog::SetNextAnswer({}, {}, {}, false);
             frame.RunCommand(CMainFrame::kChangeUser);
         }},
        {"close", [&] { frame.close(); }},
    };
    for (const auto& [what, save] : saves) {
        SCOPED_TRACE(what);
        UserProfile& profile = Profile();
        profile.RecordResult(0, 1700000000, 1.5, 120, 60);
        BreakUsersFolder();
        messages.clear();
        save();
        EXPECT_EQ(FailureMessages(), 1) << messages.join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(profile.IsDirty());

        // Told once: the same failure again says nothing more.
        save();
        EXPECT_EQ(FailureMessages(), 1);

        RepairUsersFolder();
        EXPECT_TRUE(UserFileSaver::SaveCurrentUser(Profile(), &frame));
        EXPECT_FALSE(profile.IsDirty());
        LineFile written;
        ASSERT_TRUE(written.LoadLines(Users() + "/Anna.dat"));
        EXPECT_TRUE(written.LineAt(5).starts_with("1700000000:1.50:120:")) << written.LineAt(5);
        std::filesystem::remove(Users() + "/Anna.dat");
    }
}
