#include "MenuCommandFixture.h"

#include "app/AboutDialog.h"
#include "app/HelpWindow.h"
#include "app/ProgramIcon.h"
#include "app/ProgramMessage.h"
#include "support/QtTestEnvironment.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using HelpCommandsTest = MenuCommandFixture;

TEST_F(HelpCommandsTest, AboutShowsTheProgramsOwnBoxOverTheMainWindow)
{
    CMainFrame& frame = Frame();
    // The application gives every window the program's icon; the box shows it.
    frame.setWindowIcon(ProgramIcon::Create());
    QString version;
    bool sawIcon = false;
    QTimer::singleShot(0, [&] {
        auto* box = frame.findChild<AboutDialog*>();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isModal());
        version = qobject_cast<QLabel*>(box->Control(AboutDialog::kVersionId))->text();
        sawIcon = !box->windowIcon().isNull();
        qobject_cast<QPushButton*>(box->Control(AboutDialog::kOkId))->click();
    });
    frame.CommandAction(CMainFrame::kAbout)->trigger();
    EXPECT_EQ(version, QStringLiteral("Tippwerk Version 4.0"));
    EXPECT_TRUE(sawIcon);
    EXPECT_EQ(frame.findChild<AboutDialog*>(), nullptr);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HelpCommandsTest, TopicsOpenOneHelpWindowBesideTheMainWindow)
{
    CMainFrame& frame = Frame();
    frame.CommandAction(CMainFrame::kHelpTopics)->trigger();
    HelpWindow* help = frame.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(QFileInfo(help->Source().toLocalFile()).fileName(), QStringLiteral("index.html"));

    help->close();
    frame.RunCommand(CMainFrame::kHelpTopics);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(frame.findChildren<HelpWindow*>().size(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HelpCommandsTest, TopicsWithoutInstalledHelpSaySo)
{
    std::filesystem::remove(std::filesystem::path(m_dir.path().toStdString()) / "help");
    CMainFrame& frame = Frame();
    frame.RunCommand(CMainFrame::kHelpTopics);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Die Hilfe ist nicht installiert.")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("help/index.html")));
    EXPECT_EQ(frame.findChild<HelpWindow*>(), nullptr);
}

TEST_F(HelpCommandsTest, F1OpensTheHelpAndCtrlQEndsLikeTheMenu)
{
    CMainFrame& frame = Frame();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_F1);
    HelpWindow* help = frame.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();

    QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST(ProgramIconTest, TheBuiltInIconIsTheDrawnOneAtEverySize)
{
    const QIcon loaded = ProgramIcon::Load();
    const QIcon drawn = ProgramIcon::Create();
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        SCOPED_TRACE(size);
        const QImage image = loaded.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image, drawn.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32));
    }
}
