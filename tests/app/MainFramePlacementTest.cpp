// Where the main window opens, how low it may be, and a change of user in a maximized one.
#include "MainFrameFixture.h"

#include "keyboard/KeyboardView.h"
#include "results/LessonSelectionDialog.h"
#include "users/LoginDialog.h"
#include "users/UserInfoDialog.h"
#include "wizard/CFirstTimeWizard.h"
#include "wizard/LessonEndDialog.h"

#include <QResizeEvent>
#include <QSettings>

namespace {

// Records the sizes a window is given.
class ResizeLog : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            sizes.push_back(static_cast<QResizeEvent*>(event)->size());
        return false;
    }
    std::vector<QSize> sizes;
};

class MainFramePlacementTest : public MainFrameFixture
{
protected:
    // What closing a maximized main window leaves for the user.
    void StoreMaximized(const QString& user)
    {
        QSettings raw(m_dir.filePath(QStringLiteral("placements.ini")), QSettings::IniFormat);
        for (const char* value : {"_x", "_cx", "_y", "_cy"})
            raw.setValue(user + QStringLiteral("/mainframe") + QLatin1String(value), 0);
    }

    // The main window as the program opens it, at the placement stored.
    CMainFrame& OpenAsStored()
    {
        m_frame = std::make_unique<CMainFrame>(
            Profile().Name(), false,
            CMainFrame::Services{*m_session, m_pictures, m_layouts, m_sounds, m_clock, m_remarks, m_random});
        m_frame->show();
        QCoreApplication::processEvents();
        return *m_frame;
    }
};

TEST_F(MainFramePlacementTest, OpensNormalAtItsDefaultsAndMaximizedOnlyWhereLeftSo)
{
    CreateUser();
    CMainFrame& first = OpenAsStored();
    EXPECT_FALSE(first.isMaximized());
    EXPECT_EQ(QRect(first.pos(), first.size()), QRect(50, 50, 600, 350));

    m_frame.reset();
    StoreMaximized(QStringLiteral("Anna"));
    EXPECT_TRUE(OpenAsStored().isMaximized());
}

TEST_F(MainFramePlacementTest, AfterAnExerciseTheWindowMayBeAsLowAsAnIdleOneAgain)
{
    CreateUser();
    CMainFrame& frame = Frame();
    EXPECT_EQ(frame.minimumHeight(), CMainFrame::kDefaultLayoutHeight);
    LessonSelectionDialog::SetNextAnswer({{}, 0});
    frame.Start();
    ASSERT_EQ(frame.Engine().State().running, 1);
    EXPECT_GT(frame.minimumHeight(), 400) << "keyboard and hands need their rows";

    LessonEndDialog::SetNextAnswer(LessonEndDialog::kEndId);
    Type(LessonText(0));
    ASSERT_EQ(frame.Engine().State().running, 0);
    EXPECT_EQ(frame.minimumHeight(), CMainFrame::kDefaultLayoutHeight);
    frame.resize(frame.width(), 300);
    EXPECT_EQ(frame.height(), 300);
}

TEST_F(MainFramePlacementTest, ChangingUserInAMaximizedWindowKeepsItMaximizedAndFilled)
{
    CreateUser();
    StoreMaximized(QStringLiteral("Anna"));
    StoreMaximized(QStringLiteral("Bert"));
    CMainFrame& frame = OpenAsStored();
    ASSERT_TRUE(frame.isMaximized());
    const QSize maximized = frame.size();
    ResizeLog log;
    frame.installEventFilter(&log);

    LoginDialog::SetNextAnswer(QStringLiteral("Bert"), QStringLiteral("abcd"), {});
    ChangeToNewUser(frame, QStringLiteral("Bert"));
    QCoreApplication::processEvents();

    ASSERT_EQ(Profile().Name(), "Bert");
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_EQ(frame.size(), maximized);
    for (const QSize& size : log.sizes)
        EXPECT_EQ(size, maximized) << "the window passed through " << size.width() << " x " << size.height();
    const KeyboardView& view = *frame.View();
    EXPECT_EQ(view.Screen().deviceIndependentSize().toSize(), view.contentsRect().size());
    EXPECT_GT(view.width(), 700);
}

} // namespace
