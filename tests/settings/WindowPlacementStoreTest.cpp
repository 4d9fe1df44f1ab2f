#include "settings/WindowPlacementStore.h"

#include <QApplication>
#include <QFile>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

using Placement = WindowPlacementStore::Placement;

// One QApplication for the whole run; the tests run on the offscreen platform.
class QtEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "settings_ui_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Where the window is as the store sees it: frame position and client size.
QRect Placed(const QWidget& window)
{
    return QRect(window.pos(), window.size());
}

// The same for the normal rectangle of a maximized window.
QRect PlacedNormal(const QWidget& window)
{
    const QPoint frameOffset = window.geometry().topLeft() - window.pos();
    const QRect normal = window.normalGeometry();
    return QRect(normal.topLeft() - frameOffset, normal.size());
}

class WindowPlacementStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("placements.ini"));
        WindowPlacementStore::SetSettingsFileForTesting(m_file.toStdString());
    }
    void TearDown() override { WindowPlacementStore::SetSettingsFileForTesting({}); }

    void Store(const QString& key, const QVariant& value)
    {
        QSettings raw(m_file, QSettings::IniFormat);
        raw.setValue(key, value);
    }
    QVariant Stored(const QString& key) const
    {
        QSettings raw(m_file, QSettings::IniFormat);
        return raw.value(key);
    }

    QTemporaryDir m_dir;
    QString m_file;
};

TEST_F(WindowPlacementStoreTest, NothingStoredGivesTheDefaultsShownNormal)
{
    EXPECT_EQ(WindowPlacementStore::ForMainWindow("Anna", nullptr).LoadPlacement(),
              (Placement{50, 600, 50, 350, false}));
    EXPECT_EQ(WindowPlacementStore::ForLessonDialog("Anna", nullptr).LoadPlacement(),
              (Placement{30, 600, 30, 300, false}));
    EXPECT_EQ(WindowPlacementStore::ForResultsDialog("Anna", nullptr).LoadPlacement(),
              (Placement{30, 600, 30, 430, false}));

    QWidget window;
    auto store = WindowPlacementStore::ForMainWindow("Anna", &window);
    ASSERT_TRUE(store.PrepareCreate());
    EXPECT_FALSE(window.isVisible());
    window.show();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(Placed(window), QRect(50, 50, 600, 350));
}

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

TEST_F(WindowPlacementStoreTest, AShownMaximizedWindowRestoredMaximizedKeepsItsSize)
{
    QWidget window;
    window.showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.isMaximized());
    const QSize maximized = window.size();
    ResizeLog log;
    window.installEventFilter(&log);
    for (const char* key : {"Anna/mainframe_x", "Anna/mainframe_cx", "Anna/mainframe_y", "Anna/mainframe_cy"})
        Store(QString::fromLatin1(key), 0);
    ASSERT_TRUE(WindowPlacementStore::ForMainWindow("Anna", &window).RestorePlacement());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.size(), maximized);
    for (const QSize& size : log.sizes)
        EXPECT_EQ(size, maximized) << "the window passed through " << size.width() << " x " << size.height();
}

TEST_F(WindowPlacementStoreTest, AStoredPlacementComesBackExactly)
{
    {
        QWidget window;
        window.move(120, 80);
        window.resize(640, 420);
        window.show();
        ASSERT_TRUE(WindowPlacementStore::ForMainWindow("Anna", &window).SavePlacement());
    }
    EXPECT_EQ(Stored(QStringLiteral("Anna/mainframe_x")).toInt(), 120);
    EXPECT_EQ(Stored(QStringLiteral("Anna/mainframe_cx")).toInt(), 640);
    EXPECT_EQ(Stored(QStringLiteral("Anna/mainframe_y")).toInt(), 80);
    EXPECT_EQ(Stored(QStringLiteral("Anna/mainframe_cy")).toInt(), 420);

    QWidget window;
    auto store = WindowPlacementStore::ForMainWindow("Anna", &window);
    ASSERT_TRUE(store.RestorePlacement());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.pos(), QPoint(120, 80));
    EXPECT_EQ(window.size(), QSize(640, 420));

    // Saved again unchanged, the values stay the same.
    ASSERT_TRUE(store.SavePlacement());
    EXPECT_EQ(store.LoadPlacement(), (Placement{120, 640, 80, 420, false}));
}

TEST_F(WindowPlacementStoreTest, AMaximizedWindowIsStoredAsZerosAndOpensMaximized)
{
    {
        QWidget window;
        window.showMaximized();
        ASSERT_TRUE(window.isMaximized());
        ASSERT_TRUE(WindowPlacementStore::ForLessonDialog("Anna", &window).SavePlacement());
    }
    for (const char* key : {"lessondlg_x", "lessondlg_cx", "lessondlg_y", "lessondlg_cy"}) {
        const QVariant value = Stored(QStringLiteral("Anna/") + QString::fromLatin1(key));
        ASSERT_TRUE(value.isValid()) << key;
        EXPECT_EQ(value.toInt(), 0) << key;
    }

    // A normal window restored over a maximized one comes back normal, and the
    // other way round.
    QWidget window;
    window.showMaximized();
    Store(QStringLiteral("Anna/lessondlg_x"), 40);
    Store(QStringLiteral("Anna/lessondlg_cx"), 500);
    Store(QStringLiteral("Anna/lessondlg_y"), 60);
    Store(QStringLiteral("Anna/lessondlg_cy"), 300);
    auto store = WindowPlacementStore::ForLessonDialog("Anna", &window);
    ASSERT_TRUE(store.RestorePlacement());
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(Placed(window), QRect(40, 60, 500, 300));

    Store(QStringLiteral("Anna/lessondlg_cx"), 0);
    Store(QStringLiteral("Anna/lessondlg_cy"), 0);
    ASSERT_TRUE(store.RestorePlacement());
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(PlacedNormal(window), QRect(30, 30, 600, 300));
}

TEST_F(WindowPlacementStoreTest, AValueThatCannotBeReadKeepsItsDefault)
{
    Store(QStringLiteral("Anna/mainframe_x"), 200);
    Store(QStringLiteral("Anna/mainframe_cx"), 700);
    Store(QStringLiteral("Anna/mainframe_cy"), 500);
    const auto store = WindowPlacementStore::ForMainWindow("Anna", nullptr);
    EXPECT_EQ(store.LoadPlacement(), (Placement{200, 700, 50, 500, false}));

    Store(QStringLiteral("Anna/mainframe_y"), QStringLiteral("abc"));
    Store(QStringLiteral("Anna/mainframe_cx"), QStringLiteral("4294967296"));
    EXPECT_EQ(store.LoadPlacement(), (Placement{200, 600, 50, 500, false}));

    // Width and height that sum to 0 mean maximized, over the defaults.
    Store(QStringLiteral("Anna/mainframe_cx"), -500);
    EXPECT_EQ(store.LoadPlacement(), (Placement{50, 600, 50, 350, true}));
}

TEST_F(WindowPlacementStoreTest, APlacementNoScreenShowsOpensAtTheDefaults)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget window;
    auto store = WindowPlacementStore::ForResultsDialog("Anna", &window);
    Store(QStringLiteral("Anna/statisticdlg_x"), screen.right() + 1);
    Store(QStringLiteral("Anna/statisticdlg_cx"), 400);
    Store(QStringLiteral("Anna/statisticdlg_y"), 10);
    Store(QStringLiteral("Anna/statisticdlg_cy"), 300);
    ASSERT_TRUE(store.RestorePlacement());
    EXPECT_EQ(Placed(window), QRect(30, 30, 600, 430));

    // Overlapping the screen by one pixel is enough to stay.
    Store(QStringLiteral("Anna/statisticdlg_x"), screen.right());
    ASSERT_TRUE(store.RestorePlacement());
    EXPECT_EQ(Placed(window), QRect(screen.right(), 10, 400, 300));

    // Sizes no window can have, and values at the edge of the integer range.
    for (const auto& [left, width, height] :
         {std::tuple{10, -400, 300}, std::tuple{10, 400, -1}, std::tuple{INT_MAX, INT_MAX, 300}}) {
        Store(QStringLiteral("Anna/statisticdlg_x"), left);
        Store(QStringLiteral("Anna/statisticdlg_cx"), width);
        Store(QStringLiteral("Anna/statisticdlg_cy"), height);
        ASSERT_TRUE(store.RestorePlacement());
        EXPECT_EQ(Placed(window), QRect(30, 30, 600, 430)) << left << ' ' << width << ' ' << height;
    }
}

TEST_F(WindowPlacementStoreTest, ColumnWidthsStopAtTheFirstGapAndOutliveShorterSaves)
{
    const auto lessons = WindowPlacementStore::ForLessonDialog("Anna", nullptr);
    std::vector<int> widths{99};
    ASSERT_TRUE(lessons.LoadColumnWidths("", widths));
    EXPECT_TRUE(widths.empty());

    Store(QStringLiteral("Anna/lessondlg_Column0"), 150);
    Store(QStringLiteral("Anna/lessondlg_Column1"), 100);
    Store(QStringLiteral("Anna/lessondlg_Column3"), 80);
    ASSERT_TRUE(lessons.LoadColumnWidths("", widths));
    EXPECT_EQ(widths, (std::vector<int>{150, 100}));

    const auto results = WindowPlacementStore::ForResultsDialog("Anna", nullptr);
    ASSERT_TRUE(results.SaveColumnWidths("Faults", {10, 20, 30, 40, 50}));
    ASSERT_TRUE(results.SaveColumnWidths("Faults", {1, 2, 3}));
    ASSERT_TRUE(results.SaveColumnWidths("Speed", {7, 8, 9}));
    EXPECT_EQ(Stored(QStringLiteral("Anna/statisticdlg_ColumnFaults4")).toInt(), 50);
    EXPECT_EQ(Stored(QStringLiteral("Anna/statisticdlg_ColumnSpeed2")).toInt(), 9);
    ASSERT_TRUE(results.LoadColumnWidths("Faults", widths));
    EXPECT_EQ(widths, (std::vector<int>{1, 2, 3, 40, 50}));
    ASSERT_TRUE(results.LoadColumnWidths("Speed", widths));
    EXPECT_EQ(widths, (std::vector<int>{7, 8, 9}));
}

TEST_F(WindowPlacementStoreTest, EveryUserHasAGroupOfTheirOwn)
{
    QWidget window;
    window.move(100, 100);
    window.resize(700, 400);
    auto store = WindowPlacementStore::ForMainWindow("Anna", &window);
    ASSERT_TRUE(store.SavePlacement());
    ASSERT_TRUE(store.SaveColumnWidths("", {5}));

    // A change of user: save under the old one, restore under the new one.
    store.SetSection("Bert");
    EXPECT_EQ(store.LoadPlacement(), (Placement{50, 600, 50, 350, false}));
    std::vector<int> widths;
    ASSERT_TRUE(store.LoadColumnWidths("", widths));
    EXPECT_TRUE(widths.empty());
    window.resize(650, 380);
    ASSERT_TRUE(store.SavePlacement());

    store.SetSection("Anna");
    EXPECT_EQ(store.LoadPlacement(), (Placement{100, 700, 100, 400, false}));

    // Names that QSettings would read as paths stay in a group of their own.
    for (const char* name : {"a/b", "a\\b", "a%2Fb", "/", "a"}) {
        store.SetSection(name);
        window.move(10, 20);
        ASSERT_TRUE(store.SavePlacement()) << name;
    }
    QSettings raw(m_file, QSettings::IniFormat);
    QStringList groups = raw.childGroups();
    groups.sort();
    EXPECT_EQ(groups, (QStringList{QStringLiteral("%2F"), QStringLiteral("Anna"), QStringLiteral("Bert"),
                                   QStringLiteral("a"), QStringLiteral("a%252Fb"), QStringLiteral("a%2Fb"),
                                   QStringLiteral("a%5Cb")}));
    raw.beginGroup(QStringLiteral("a"));
    EXPECT_TRUE(raw.childGroups().isEmpty());
}

TEST_F(WindowPlacementStoreTest, AStoreThatCannotBeOpenedFailsQuietly)
{
    QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    WindowPlacementStore::SetSettingsFileForTesting(
        m_dir.filePath(QStringLiteral("not-a-folder/placements.ini")).toStdString());

    QWidget window;
    window.move(300, 200);
    window.resize(400, 300);
    auto store = WindowPlacementStore::ForMainWindow("Anna", &window);
    EXPECT_FALSE(store.SavePlacement());
    EXPECT_FALSE(store.SaveColumnWidths("", {1, 2}));
    std::vector<int> widths{1, 2};
    EXPECT_FALSE(store.LoadColumnWidths("", widths));
    EXPECT_TRUE(widths.empty());
    EXPECT_EQ(store.LoadPlacement(), (Placement{50, 600, 50, 350, false}));
    EXPECT_TRUE(store.RestorePlacement());
    EXPECT_FALSE(window.isMaximized());

    // No user name: nothing is stored under an empty group either.
    WindowPlacementStore::SetSettingsFileForTesting(m_file.toStdString());
    store.SetSection("");
    EXPECT_FALSE(store.SavePlacement());
    EXPECT_FALSE(QFile::exists(m_file));
}

TEST_F(WindowPlacementStoreTest, WithoutItsWindowTheStoreDoesNothing)
{
    auto window = std::make_unique<QWidget>();
    auto store = WindowPlacementStore::ForMainWindow("Anna", window.get());
    window.reset();
    EXPECT_FALSE(store.RestorePlacement());
    EXPECT_FALSE(store.PrepareCreate());
    EXPECT_FALSE(store.SavePlacement());
    EXPECT_FALSE(QFile::exists(m_file));
}

} // namespace
