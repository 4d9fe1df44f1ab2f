#include "MenuCommandFixture.h"

#include "results/LessonSelectionDialog.h"
#include "results/ResultsDialog.h"
#include "settings/MainWindowPage.h"
#include "settings/MetronomePage.h"
#include "settings/SettingsDialog.h"
#include "settings/SoundPage.h"
#include "users/LoginDialog.h"
#include "users/UserInfoDialog.h"
#include "wizard/LessonEndDialog.h"
#include "wizard/StatisticsFileSaver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>

#include <algorithm>

namespace {

class MenuCommandsTest : public MenuCommandFixture
{
protected:
    void TearDown() override
    {
        SettingsDialog::ClearNextAnswer();
        LoginDialog::ClearNextAnswers();
        UserInfoDialog::ClearNextAnswer();
        LessonSelectionDialog::ClearNextAnswer();
        ResultsDialog::ClearNextAnswer();
        StatisticsFileSaver::SetChooserForTesting({});
        MenuCommandFixture::TearDown();
    }

    // Runs the settings command and lets `edit` change the open dialog before "&OK".
    void ChangeSettings(CMainFrame& frame, const std::function<void(SettingsDialog&)>& edit)
    {
        bool edited = false;
        QTimer::singleShot(0, &frame, [&] {
            auto* dialog = frame.findChild<SettingsDialog*>();
            ASSERT_NE(dialog, nullptr);
            edit(*dialog);
            edited = true;
            dialog->okButton()->click();
        });
        frame.RunCommand(CMainFrame::kSettings);
        EXPECT_TRUE(edited);
    }
};

} // namespace

// Each entry of the menu opens its window or says something; none does nothing.
TEST_F(MenuCommandsTest, EveryCommandOpensItsWindowOrMessage)
{
    CMainFrame& frame = Frame();
    LessonSelectionDialog::SetNextAnswer({{}, LessonSelectionDialog::kCancel});
    frame.Start();
    NoteDialog::ClearNextAnswer();

    struct Case
    {
        int id;
        std::function<void()> arrange;
        std::function<bool()> opened;
    };
    // The three file dialogs are asked and cancelled.
    QStringList askedFor;
    const auto cancelled = [&](const QString& what) {
        return [&askedFor, what](QWidget*, const QString&, const QString&) {
            askedFor << what;
            return QString();
        };
    };
    frame.SetOpenFileChooser(cancelled(QStringLiteral("text")));
    frame.SetStatisticsFileChooser(cancelled(QStringLiteral("open")));
    StatisticsFileSaver::SetChooserForTesting(cancelled(QStringLiteral("save")));
    const std::vector<Case> cases = {
        {CMainFrame::kChooseLesson,
         [] {
             LessonSelectionDialog::SetNextAnswer({{}, LessonSelectionDialog::kCancel});
         },
         [] { return !LessonSelectionDialog::HasNextAnswer(); }},
        {CMainFrame::kPractiseTextFile, [] {}, [&] { return askedFor.endsWith(QStringLiteral("text")); }},
        {CMainFrame::kShowResults, [] { ResultsDialog::SetNextAnswer(); },
         [] { return !ResultsDialog::HasNextAnswer(); }},
        {CMainFrame::kSaveResults, [] {}, [&] { return askedFor.endsWith(QStringLiteral("save")); }},
        {CMainFrame::kOpenResults, [] {}, [&] { return askedFor.endsWith(QStringLiteral("open")); }},
        {CMainFrame::kSettings, [] { SettingsDialog::SetNextAnswer(SettingsDialog::kBackId); },
         [] { return !SettingsDialog::HasNextAnswer(); }},
        {CMainFrame::kLessonNote, [] { NoteDialog::SetNextAnswer(); },
         [] { return !NoteDialog::HasNextAnswer(); }},
        {CMainFrame::kHelpTopics, [] {}, [&] { return frame.findChild<HelpWindow*>() != nullptr; }},
        {CMainFrame::kAbout, [] { AboutDialog::SetNextAnswer(); },
         [] { return !AboutDialog::HasNextAnswer(); }},
        {CMainFrame::kUserInformation, [] { UserInfoDialog::SetNextAnswer(false); },
         [] { return !UserInfoDialog::HasNextAnswer(); }},
        {CMainFrame::kSaveToDiskette, [&] { messages.clear(); }, [&] { return !messages.isEmpty(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_NE(frame.CommandAction(c.id), nullptr);
        c.arrange();
        frame.CommandAction(c.id)->trigger();
        EXPECT_TRUE(c.opened());
    }

    // The last two end something: the login ends the program when cancelled, "&Ende" closes.
    QSignalSpy quit(&frame, &CMainFrame::QuitRequested);
    LoginDialog::SetNextAnswer({}, {}, {}, false);
    frame.CommandAction(CMainFrame::kChangeUser)->trigger();
    EXPECT_FALSE(LoginDialog::HasNextAnswer());
    ASSERT_EQ(quit.count(), 1);
    EXPECT_EQ(quit.first().first().toInt(), 3);

    frame.CommandAction(CMainFrame::kExit)->trigger();
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(MenuCommandsTest, SettingsBackOrAnUnchangedOkLeaveTheStoredLineAsItWas)
{
    Profile().SetSettingsLine("!1:0:5:1:1:1:0:3:120:standard:");
    CMainFrame& frame = Frame();
    SettingsDialog::SetNextAnswer(SettingsDialog::kBackId);
    frame.RunCommand(CMainFrame::kSettings);
    EXPECT_EQ(Profile().SettingsLine(), "!1:0:5:1:1:1:0:3:120:standard:");

    ChangeSettings(frame, [](SettingsDialog&) {});
    EXPECT_EQ(Profile().SettingsLine(), "!1:0:5:1:1:1:0:3:120:standard:");
    EXPECT_EQ(frame.Settings().ToLine(), "!1:0:5:1:1:1:0:3:120:standard:");
}

TEST_F(MenuCommandsTest, SettingsOkDuringAnExerciseLaysOutAgainAndRestartsTheMetronome)
{
    Profile().SetSettingsLine(AppSettings().ToLine());
    CMainFrame& frame = Frame();
    frame.resize(700, 300);
    LessonSelectionDialog::SetNextAnswer({{}, 0});
    frame.Start();
    ASSERT_EQ(frame.Engine().State().running, 1);
    const int textOnlyHeight = frame.minimumHeight();
    auto* metronome = frame.findChild<QTimer*>(QStringLiteral("metronomeTimer"));
    ASSERT_NE(metronome, nullptr);
    EXPECT_FALSE(metronome->isActive());

    // Decoded only when shown: the hands picture with the hands, the dialog's with it.
    EXPECT_TRUE(m_pictures.Picture(PictureStore::SetPicture::HandsBackground).isNull());
    const auto pictures = [](const QWidget* page, QSize size) {
        const QList<QLabel*> labels = page->findChildren<QLabel*>();
        return std::count_if(labels.begin(), labels.end(),
                             [&](QLabel* l) { return l->pixmap().size() == size; });
    };
    ChangeSettings(frame, [&](SettingsDialog& dialog) {
        EXPECT_EQ(pictures(dialog.mainWindowPage(), QSize(200, 150)), 1);
        EXPECT_EQ(pictures(dialog.soundPage(), QSize(64, 64)), 4);
        dialog.mainWindowPage()->keyboardBox()->click();
        dialog.mainWindowPage()->handsBox()->click();
        dialog.tabs()->setCurrentIndex(SettingsDialog::kMetronomeTab);
        dialog.metronomePage()->graphicBox()->click();
        dialog.metronomePage()->rateSlider()->setValue(350);
    });

    EXPECT_EQ(frame.Settings().showKeyboard, 1);
    EXPECT_EQ(frame.Settings().metronomeBpm, 350);
    EXPECT_EQ(Profile().SettingsLine(), frame.Settings().ToLine());
    // Keyboard and hands need far more room than the text alone.
    EXPECT_GT(frame.minimumHeight(), textOnlyHeight + 50);
    EXPECT_EQ(m_pictures.Picture(PictureStore::SetPicture::HandsBackground).size(), QSize(1400, 140));
    EXPECT_GE(frame.height(), frame.minimumHeight());
    EXPECT_TRUE(metronome->isActive());
    EXPECT_EQ(metronome->interval(), 171);

    // The user's file holds the new line at once.
    UserProfile stored;
    stored.AddUserName("Anna");
    ASSERT_TRUE(stored.LoadUser("Anna", false));
    EXPECT_EQ(stored.SettingsLine(), frame.Settings().ToLine());

    // Switching the metronome off again stops it.
    ChangeSettings(frame, [](SettingsDialog& dialog) {
        dialog.tabs()->setCurrentIndex(SettingsDialog::kMetronomeTab);
        dialog.metronomePage()->graphicBox()->click();
    });
    EXPECT_FALSE(metronome->isActive());
}
