#pragma once

#include "app/CMainFrame.h"
#include "app/InformationBox.h"
#include "app/NoteDialog.h"
#include "app/PictureStore.h"
#include "exercise/ExerciseClock.h"
#include "exercise/ExerciseEngine.h"
#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/RemarkRandom.h"
#include "exercise/RemarkTables.h"
#include "exercise/TypingSession.h"
#include "feedback/RecordingSoundOutput.h"
#include "feedback/SoundFeedback.h"
#include "feedback/SystemMidi.h"
#include "keyboard/KeyboardLayoutSwitcher.h"
#include "resources/ProgramPaths.h"
#include "resources/TextCodec.h"
#include "results/ResultsDialog.h"
#include "settings/AppSettings.h"
#include "settings/WindowPlacementStore.h"
#include "users/LoginDialog.h"
#include "users/UserInfoDialog.h"
#include "users/UserProfile.h"
#include "wizard/CFirstTimeWizard.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

// Time that moves only when a test says so.
class ManualClock : public ExerciseClock
{
public:
    std::int64_t Milliseconds() override { return ms; }
    std::int64_t Now() override { return 1700000000 + ms / 1000; }
    std::int64_t ms = 1000;
};

// Accepts every layout and remembers what it was asked.
class AcceptingLayouts : public KeyboardLayoutSwitcher
{
public:
    bool ActivateLayout(const std::string& id) override
    {
        activated.push_back(id);
        return true;
    }
    bool Restore() override { return true; }
    std::vector<std::string> activated;
};

// A program folder with the installed data (linked) and an empty users folder, one
// user "Anna" on the German course, and a main window for her.
class MainFrameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        namespace fs = std::filesystem;
        const fs::path home(m_dir.path().toStdString());
        for (const char* sub : {"config", "lessons", "pictures", "sounds", "help"})
            fs::create_directory_symlink(fs::path(TIPPWERK_INSTALL_DIR) / sub, home / sub);
        fs::create_directory(home / "users");
        ProgramPaths::SetProgramFolderForTesting(home.string());
        WindowPlacementStore::SetSettingsFileForTesting(
            m_dir.filePath(QStringLiteral("placements.ini")).toStdString());
        m_session = std::make_unique<TypingSession>();
        ASSERT_TRUE(m_pictures.LoadStartPictures());
        ASSERT_TRUE(m_remarks.LoadInstalled());
    }

    void TearDown() override
    {
        m_frame.reset();
        NoteDialog::ClearNextAnswer();
        InformationBox::ClearNextAnswer();
        ResultsDialog::ClearNextAnswer();
        // Gone before the program folder is: a changed user saves itself on the way out.
        m_session.reset();
        ProgramPaths::SetProgramFolderForTesting({});
        WindowPlacementStore::SetSettingsFileForTesting({});
    }

    // An existing user with the default options and the German course.
    void CreateUser(const std::string& name = "Anna")
    {
        UserProfile& profile = Profile();
        profile.AddUserName(name);
        ASSERT_TRUE(profile.LoadUser(name, false) || true);
        profile.SetKeyboardId("00000407");
        profile.SetLessonSet("_a");
        AppSettings settings;
        settings.showKeyboard = 1;
        settings.showHands = 1;
        profile.SetSettingsLine(settings.ToLine());
    }

    CMainFrame& Frame(bool isNewUser = false)
    {
        m_frame = std::make_unique<CMainFrame>(
            Profile().Name(), isNewUser,
            CMainFrame::Services{*m_session, m_pictures, m_layouts, m_sounds, m_clock, m_remarks, m_random});
        m_frame->resize(900, 700);
        m_frame->show();
        NoteDialog::SetNextAnswer();
        return *m_frame;
    }

    // Types a Windows-1250 text: ¤ as Enter, everything else as its Unicode character.
    void Type(const std::string& text, int msPerKey = 100)
    {
        for (char c : text) {
            // The lesson note of a restarted lesson is acknowledged at once.
            if (!NoteDialog::HasNextAnswer())
                NoteDialog::SetNextAnswer();
            m_clock.ms += msPerKey;
            const bool enter = static_cast<unsigned char>(c) == 0xA4;
            const QString unicode =
                enter ? QStringLiteral("\r") : QString::fromStdString(TextCodec::ToUtf8(std::string(1, c)));
            QKeyEvent press(QEvent::KeyPress, enter ? Qt::Key_Return : 0, Qt::NoModifier, unicode);
            QApplication::sendEvent(m_frame.get(), &press);
            QKeyEvent release(QEvent::KeyRelease, enter ? Qt::Key_Return : 0, Qt::NoModifier, unicode);
            QApplication::sendEvent(m_frame.get(), &release);
        }
    }

    // Changes to the new account `name` through the login, its details and first-run
    // setup left unanswered.
    void ChangeToNewUser(CMainFrame& frame, const QString& name)
    {
        LoginDialog::SetNextAnswer(name, QStringLiteral("abcd"), QStringLiteral("abcd"));
        UserInfoDialog::SetNextAnswer(false);
        CFirstTimeWizard::Answer cancel;
        cancel.finish = false;
        CFirstTimeWizard::SetNextAnswer(cancel);
        frame.RunCommand(CMainFrame::kChangeUser);
    }

    // Drops files on the main window as a file manager does.
    void Drop(const QStringList& paths)
    {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_frame.get(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_frame.get(), &drop);
        QCoreApplication::processEvents();
    }

    // The whole text of a catalogue lesson, line by line.
    std::string LessonText(int lesson)
    {
        std::string text;
        const LessonCatalog& catalog = Catalog();
        for (int n = 0; n < catalog.LessonLineCount(lesson); ++n)
            text += catalog.LessonLine(lesson, n);
        return text;
    }

    UserProfile& Profile() { return m_session->profile; }
    LessonCatalog& Catalog() { return m_session->catalog; }
    ExerciseRecord& Record() { return m_session->record; }

    QTemporaryDir m_dir;
    std::unique_ptr<TypingSession> m_session;
    PictureStore m_pictures;
    AcceptingLayouts m_layouts;
    // The keystroke sounds and the greeting, by name or path, in the order played.
    std::vector<RecordingSoundOutput::Played> m_played;
    SoundFeedback m_sounds{std::make_unique<RecordingSoundOutput>(m_played), &SystemMidi::OpenPort};
    ManualClock m_clock;
    RemarkTables m_remarks;
    RemarkRandom m_random{1};
    std::unique_ptr<CMainFrame> m_frame;
};
