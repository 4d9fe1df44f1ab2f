#include "MainFrameFixture.h"

#include "app/AboutDialog.h"
#include "app/ExitCode.h"
#include "app/ProgramIcon.h"
#include "app/ProgramMessage.h"
#include "pictures/PictureLoader.h"
#include "results/LessonSelectionDialog.h"
#include "support/QtTestEnvironment.h"
#include "users/LoginDialog.h"
#include "users/UserInfoDialog.h"
#include "wizard/CFirstTimeWizard.h"
#include "wizard/LessonEndDialog.h"

#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>

namespace {

QStringList TopLevelEntries(CMainFrame& frame)
{
    QStringList texts;
    for (QAction* action : frame.menuBar()->actions())
        texts << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (grau)"));
    return texts;
}

} // namespace

TEST_F(MainFrameFixture, TheFirstWelcomePictureGreetsOnce)
{
    CreateUser();
    CMainFrame& frame = Frame();
    QTest::qWait(20);
    // Repainted in full at a new size: still one greeting.
    frame.resize(1000, 760);
    QTest::qWait(20);
    ASSERT_EQ(m_played.size(), 1u);
    EXPECT_TRUE(m_played[0].fileName.ends_with("/sounds/wellcome.wav")) << m_played[0].fileName;
}

TEST_F(MainFrameFixture, AnExistingUserStartsWithTheLessonChoice)
{
    CreateUser();
    CMainFrame& frame = Frame();
    LessonSelectionDialog::SetNextAnswer({{}, LessonSelectionDialog::kCancel});
    frame.Start();
    EXPECT_FALSE(LessonSelectionDialog::HasNextAnswer());
    EXPECT_EQ(frame.Engine().State().running, 0);
    EXPECT_EQ(m_layouts.activated, (std::vector<std::string>{"00000407"}));
    EXPECT_GT(Catalog().LessonCount(), 40);
    EXPECT_EQ(TopLevelEntries(frame), (QStringList{QStringLiteral("P&rogramm"), QStringLiteral("Pra&xis"),
                                                   QStringLiteral("&Einstellungen"),
                                                   QStringLiteral("&Auswertung"), QStringLiteral("&Hilfe")}));
}

TEST_F(MainFrameFixture, ALessonTypedThroughKeyEventsIsJudgedAndRecorded)
{
    CreateUser();
    CMainFrame& frame = Frame();
    LessonSelectionDialog::SetNextAnswer({{}, 0});
    frame.Start();
    ASSERT_EQ(frame.Engine().State().running, 1);
    ASSERT_EQ(frame.Engine().State().lessonIndex, 0);

    // 100 ms a keystroke is 600 a minute, far above lesson 0's limit; "Ende" stops.
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kEndId);
    Type(LessonText(0));
    EXPECT_FALSE(LessonEndDialog::HasNextAnswer());
    EXPECT_EQ(frame.Engine().State().running, 0);
    const UserProfile& profile = Profile();
    ASSERT_GE(profile.ProgressCount(), 1);
    EXPECT_GT(profile.Progress(0)->speed, 500);
    EXPECT_EQ(profile.Progress(0)->attempts, 1);
    EXPECT_EQ(Record().EntryCount(), Catalog().LessonCharCount(0));

    // The result is on disk before the lesson-end dialog opens.
    UserProfile stored;
    stored.AddUserName("Anna");
    ASSERT_TRUE(stored.LoadUser("Anna", false));
    ASSERT_GE(stored.ProgressCount(), 1);
    EXPECT_EQ(stored.Progress(0)->speed, profile.Progress(0)->speed);
}

TEST_F(MainFrameFixture, TheExerciseClockRunsAgainWhenAModalDialogCloses)
{
    // A modal dialog stops the clock; the main window, still the active one, starts it
    // again as the dialog closes, without a focus event from the window system.
    CreateUser();
    CMainFrame& frame = Frame();
    frame.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(frame.isActiveWindow());
    LessonSelectionDialog::SetNextAnswer({{}, 0});
    frame.Start();
    ASSERT_EQ(frame.Engine().State().running, 1);
    Type(LessonText(0).substr(0, 3), 1000);
    const int beforeDialog = frame.Engine().ElapsedSeconds();

    AboutDialog::SetNextAnswer();
    frame.RunCommand(CMainFrame::kAbout);
    ASSERT_FALSE(AboutDialog::HasNextAnswer());
    m_clock.ms += 3000;
    EXPECT_EQ(frame.Engine().ElapsedSeconds(), beforeDialog + 3);
}

TEST_F(MainFrameFixture, AFailedLessonRestartsAndKeysBeyondTheKeyboardAreIgnored)
{
    CreateUser();
    CMainFrame& frame = Frame();
    LessonSelectionDialog::SetNextAnswer({{}, 0});
    frame.Start();
    std::string text = LessonText(0);
    text[0] = 'x';    // one error in ~600 keystrokes is fine, so fail on speed instead
    Type("\x01\x02"); // control characters never count
    EXPECT_EQ(frame.Engine().State().keystrokes, 0);
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kSameLessonId);
    Type(text, 5000); // 12 keystrokes a minute
    EXPECT_EQ(frame.Engine().State().running, 1);
    EXPECT_EQ(frame.Engine().State().lessonIndex, 0);
    EXPECT_EQ(frame.Engine().State().keystrokes, 0);
    ASSERT_GE(Profile().ProgressCount(), 1);
    EXPECT_EQ(Profile().Progress(0)->speed, 0);
    EXPECT_EQ(Profile().Progress(0)->attempts, 1);
}

TEST_F(MainFrameFixture, TheQualificationTestGraysTheMenuAndPassesOnALaterLesson)
{
    CreateUser("Neu");
    CFirstTimeWizard::Answer answer;
    answer.keyboard = 0;
    answer.qualify = true;
    answer.knowsBasics = true;
    answer.testRow = 0;
    answer.finish = true;
    CFirstTimeWizard::SetNextAnswer(answer);
    UserInfoDialog::SetNextAnswer(true);
    InformationBox::SetNextAnswer(InformationBox::kContinueId); // "Hervorragend! …"
    CMainFrame& frame = Frame(true);
    frame.Start();
    ASSERT_EQ(frame.Engine().State().running, 1) << "the wizard should have started the test";
    const int tested = frame.Engine().State().lessonIndex;
    EXPECT_GT(tested, 0);
    const QStringList menu = TopLevelEntries(frame);
    ASSERT_FALSE(menu.isEmpty());
    EXPECT_EQ(menu.first(), QStringLiteral("&Ende des ersten Tests"));
    EXPECT_TRUE(menu.mid(1).join(QLatin1Char('|')).count(QStringLiteral("(grau)")) == menu.size() - 1);

    Type(LessonText(tested), 60);
    EXPECT_EQ(frame.Engine().State().running, 0);
    EXPECT_EQ(frame.Engine().State().qualificationRun, 0);
    EXPECT_EQ(TopLevelEntries(frame).first(), QStringLiteral("P&rogramm"));
    ASSERT_EQ(Profile().ProgressCount(), tested + 1);
    EXPECT_GT(Profile().Progress(tested)->speed, 0);
}

TEST_F(MainFrameFixture, TheMainWindowKeepsItsMinimumWidthAndItsPlacement)
{
    CreateUser();
    {
        CMainFrame& frame = Frame();
        EXPECT_EQ(frame.minimumWidth(), CMainFrame::kMinimumWidth);
        frame.resize(400, 500);
        EXPECT_GE(frame.width(), CMainFrame::kMinimumWidth);
        frame.resize(700, 520);
        frame.move(40, 30);
        frame.close();
    }
    m_frame.reset();
    CMainFrame& again = Frame();
    (void)again;
    const auto placement = WindowPlacementStore::ForMainWindow("Anna", nullptr).LoadPlacement();
    EXPECT_EQ(placement.width, 700);
    EXPECT_EQ(placement.height, 520);
}

TEST_F(MainFrameFixture, AFreeTextEndsWithItsOwnDialogAndRecordsNoProgress)
{
    CreateUser();
    CMainFrame& frame = Frame();
    LessonSelectionDialog::SetNextAnswer({{}, LessonSelectionDialog::kCancel});
    frame.Start();
    Catalog().SetFreeTextLines({"Ein kurzer Text.", "Zweite Zeile"});
    NoteDialog::SetNextAnswer();
    ASSERT_TRUE(frame.Engine().StartLesson(FREE_TEXT_LESSON));

    // "Gleiche Datei" starts the text again; then "Ende" stops.
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kSameLessonId);
    Type("Ein kurzer Text.Zweite Zeile");
    EXPECT_EQ(frame.Engine().State().running, 1);
    EXPECT_EQ(frame.Engine().State().lineIndex, 0);
    LessonEndDialog::SetNextAnswer(LessonEndDialog::kEndId);
    Type("Ein kurzer Text.Zweite Zeile");
    EXPECT_EQ(frame.Engine().State().running, 0);
    EXPECT_EQ(Profile().ProgressCount(), 0);
}

TEST_F(MainFrameFixture, ANewUserWhoCancelsTheWizardStillGetsACourse)
{
    UserProfile& profile = Profile();
    profile.AddUserName("Leer");
    profile.LoadUser("Leer", false); // no files yet: the name stays, keyboard and set are empty
    ASSERT_TRUE(profile.KeyboardId().empty());
    UserInfoDialog::SetNextAnswer(false);
    CFirstTimeWizard::Answer cancel;
    cancel.finish = false;
    CFirstTimeWizard::SetNextAnswer(cancel);
    CMainFrame& frame = Frame(true);
    frame.Start();
    EXPECT_EQ(frame.Engine().State().running, 0);
    EXPECT_EQ(profile.KeyboardId(), "00000407");
    EXPECT_EQ(profile.LessonSet(), "_a");
    EXPECT_GT(Catalog().LessonCount(), 40);
}

TEST_F(MainFrameFixture, AnAccountCreatedAtAChangeOfUserStartsWithTheDefaultOptions)
{
    CreateUser(); // Anna's options differ from the defaults
    CMainFrame& frame = Frame();
    LessonSelectionDialog::SetNextAnswer({{}, LessonSelectionDialog::kCancel});
    frame.Start();
    ChangeToNewUser(frame, QStringLiteral("Bert"));
    LoginDialog::ClearNextAnswers();
    EXPECT_EQ(Profile().Name(), "Bert");
    EXPECT_EQ(Profile().SettingsLine(), AppSettings().ToLine());
}

TEST_F(MainFrameFixture, AMissingPictureSetGivesWayToStandardAndOnlyBothMissingEndTheProgram)
{
    for (const bool standardThere : {true, false}) {
        SCOPED_TRACE(standardThere ? "standard there" : "standard missing too");
        m_session = std::make_unique<TypingSession>();
        CreateUser();
        AppSettings damaged;
        damaged.pictureSet = "weg";
        Profile().SetSettingsLine(damaged.ToLine());
        PictureStore pictures([&](const std::string& path, QImage& picture) {
            if (path.find("/weg/") != std::string::npos ||
                (!standardThere && path.find("/standard/") != std::string::npos))
                return false;
            PictureLoadFailure failure;
            return PictureLoader::LoadSilently(path, picture, failure);
        });
        ASSERT_TRUE(pictures.LoadStartPictures());
        QStringList messages;
        ProgramMessage::SetObserverForTesting([&](const QString& text) { messages << text; });
        int quitCode = 0;
        CMainFrame frame(
            "Anna", false,
            CMainFrame::Services{*m_session, pictures, m_layouts, m_sounds, m_clock, m_remarks, m_random});
        QObject::connect(&frame, &CMainFrame::QuitRequested, [&](int code) { quitCode = code; });
        LessonSelectionDialog::SetNextAnswer({{}, LessonSelectionDialog::kCancel});
        frame.Start();
        LessonSelectionDialog::ClearNextAnswer();

        EXPECT_EQ(quitCode, standardThere ? 0 : kExitPictureSet);
        EXPECT_EQ(messages,
                  standardThere ? QStringList{PictureStore::FallbackMessage("weg")} : QStringList());
        if (standardThere) {
            // Kept, so that the next login does not meet the same set again.
            EXPECT_EQ(frame.Settings().pictureSet, "standard");
            EXPECT_EQ(Profile().SettingsLine(), frame.Settings().ToLine());
            EXPECT_EQ(pictures.LoadedSetName(), "standard");
            // A set chosen later that cannot be loaded is met with the same.
            frame.Settings().pictureSet = "weg";
            frame.ComputeMainLayout();
            EXPECT_EQ(messages.size(), 2);
            EXPECT_EQ(frame.Settings().pictureSet, "standard");
            EXPECT_EQ(quitCode, 0);
        }
        ProgramMessage::SetObserverForTesting({});
    }
}

TEST(ProgramIcon, HasEverySizeWithADarkEdgeAndALightFace)
{
    const QIcon icon = ProgramIcon::Create();
    ASSERT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    ASSERT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
    const QImage image = icon.pixmap(64).toImage();
    if (const char* dir = std::getenv("TIPPWERK_RENDER_DIR"))
        image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/icon.png"));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);    // transparent corner
    EXPECT_LT(qGray(image.pixel(32, 60)), 100); // the key's dark side
    EXPECT_GT(qGray(image.pixel(12, 20)), 200); // its light top face
}

TEST_F(MainFrameFixture, AnEndingSessionClosesWithoutTheDisketteQuestionAndSavesTheUser)
{
    CreateUser();
    UserProfile& profile = Profile();
    ASSERT_TRUE(profile.SaveUser(UserProfile::UsersFolder() + "Anna", false));
    const std::string diskette = m_dir.filePath(QStringLiteral("stick/")).toStdString();
    std::filesystem::create_directories(diskette);
    std::filesystem::copy_file(UserProfile::UsersFolder() + "Anna.dat", diskette + "Anna.dat");
    ::setenv("TIPPWERK_DISKETTE", diskette.c_str(), 1);
    ASSERT_TRUE(profile.CopyFromDiskette("Anna"));
    ::unsetenv("TIPPWERK_DISKETTE");
    ASSERT_TRUE(profile.FromDiskette());

    CMainFrame& frame = Frame();
    profile.SetSettingsLine("!1:0:5:1:1:1:0:3:120:standard:");
    // A question would wait for an answer nobody gives; note it and answer it.
    bool asked = false;
    QTimer::singleShot(300, &frame, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            asked = true;
            modal->close();
        }
    });
    frame.CloseWithoutQuestions();
    EXPECT_FALSE(asked);
    EXPECT_FALSE(frame.isVisible());

    UserProfile stored;
    stored.AddUserName("Anna");
    ASSERT_TRUE(stored.LoadUser("Anna", false));
    EXPECT_EQ(stored.SettingsLine(), "!1:0:5:1:1:1:0:3:120:standard:");
}

TEST_F(MainFrameFixture, TypedCharactersBypassTheShortcutsOnlyWhileAnExerciseRuns)
{
    CreateUser();
    CMainFrame& frame = Frame();
    LessonSelectionDialog::SetNextAnswer({{}, 0});
    frame.Start();
    ASSERT_EQ(frame.Engine().State().running, 1);
    struct Case
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool claimed;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true},
        {Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"), true},
        {Qt::Key_At, Qt::GroupSwitchModifier, QStringLiteral("@"), true},
        {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true},
        {Qt::Key_X, Qt::AltModifier, QStringLiteral("x"), false}, // the "Pra&xis" mnemonic
        {Qt::Key_Q, Qt::ControlModifier, QStringLiteral("\x11"), false},
        {Qt::Key_F1, Qt::NoModifier, QString(), false},
    };
    for (const bool running : {true, false}) {
        if (!running)
            frame.Engine().StopExercise();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.key);
            QKeyEvent override(QEvent::ShortcutOverride, c.key, c.modifiers, c.text);
            override.ignore();
            QApplication::sendEvent(&frame, &override);
            EXPECT_EQ(override.isAccepted(), running && c.claimed);
        }
    }
}
