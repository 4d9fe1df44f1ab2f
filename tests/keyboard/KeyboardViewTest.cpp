// Layout, key geometry, status strip, welcome screen and animation of the keyboard view.
#include "KeyboardViewFixture.h"

#include "exercise/LineFile.h"
#include "keyboard/StatusStripPainter.h"
#include "keyboard/ViewFont.h"

#include <QPainter>

#include <unistd.h>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Grey = qRgb(100, 100, 100);
const QRgb Red = qRgb(200, 20, 20);
const QRgb KeyFace = qRgb(220, 220, 220);

using KeyboardViewTest = KeyboardViewFixture;

TEST_F(KeyboardViewTest, LayoutHeightsForEveryCombinationOfPanes)
{
    KeyboardView& view = MakeView(800, 600);
    struct Panes
    {
        bool status, keyboard, hands;
        int rows; // 2 × (s + 5k + 2h + 2)
    };
    const Panes all[] = {{false, false, false, 4}, {true, false, false, 6}, {false, true, false, 14},
                         {true, true, false, 16},  {false, false, true, 8}, {true, false, true, 10},
                         {false, true, true, 18},  {true, true, true, 20}};
    for (const Panes& panes : all) {
        SCOPED_TRACE(testing::Message() << panes.status << panes.keyboard << panes.hands);
        const int needed = view.ComputeLayout(panes.status, panes.keyboard, panes.hands);
        const ViewLayout& layout = view.Layout();
        const int cy = layout.cy;
        EXPECT_EQ(needed, panes.rows * cy + 5);
        EXPECT_EQ(layout.rightEdge, 795);
        EXPECT_EQ(layout.textTop, panes.status ? 2 * cy + 5 : 5);
        EXPECT_EQ(layout.handsBottom, 600);
        EXPECT_EQ(layout.keyboardBottom, panes.hands ? 600 - 4 * cy : 600);
        EXPECT_EQ(layout.keyboardTop, layout.keyboardBottom - (panes.keyboard ? 10 * cy : 0));
        EXPECT_EQ(layout.StatusOn(), panes.status);
        EXPECT_EQ(layout.KeyboardOn(), panes.keyboard);
        EXPECT_EQ(layout.HandsOn(), panes.hands);
    }
}

TEST_F(KeyboardViewTest, FontIsTheLargestWithWhichFourLinesOfSeventyFit)
{
    KeyboardView& view = MakeView(800, 600);
    view.ComputeLayout(true, true, true);
    const int height = view.FontHeight();
    ASSERT_LT(height, 0);
    ASSERT_GT(height, ViewFont::kStartHeight);
    const ViewFont::Cell chosen = ViewFont::Measure(view.TextFont());
    EXPECT_EQ(chosen.cx, view.Layout().cx);
    EXPECT_LE(70 * chosen.cx, 800 - 10);
    const ViewFont::Cell larger = ViewFont::Measure(ViewFont::Create(height - 1));
    EXPECT_GT(70 * larger.cx, 800 - 10);

    // A wide window is limited by the largest font.
    MakeView(2400, 1200).ComputeLayout(true, true, true);
    EXPECT_EQ(m_view->FontHeight(), ViewFont::kStartHeight);

    // Too small even for the smallest character height: the search goes on through the
    // cell heights and stops at 39.
    MakeView(40, 10).ComputeLayout(true, true, true);
    EXPECT_EQ(m_view->FontHeight(), ViewFont::kEndHeight - 1);
}

// A keyboard of the test's own with a key over two rows and a key 24 units wide.
class KeyGeometryTest : public KeyboardViewFixture
{
protected:
    void SetUp() override
    {
        KeyboardViewFixture::SetUp();
        m_folder =
            std::filesystem::temp_directory_path() / ("tippwerk-kbview-keys-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder / "config");
        LineFile file;
        for (const char* line : {"TST", "Test", "10:20:-2::::9:", "30:100:24::::0:"}) {
            file.AddLine(line);
        }
        ASSERT_TRUE(file.SaveLines((m_folder / "config" / "TST.kdd").string()));
        ProgramPaths::SetProgramFolderForTesting(m_folder.string());
    }

    void TearDown() override
    {
        KeyboardViewFixture::TearDown();
        std::filesystem::remove_all(m_folder);
    }

    // The key's outline: black border inside the rectangle, grey board just outside.
    void ExpectKeyAt(int left, int top, int right, int bottom)
    {
        const int midX = (left + right) / 2;
        const int midY = (top + bottom) / 2;
        EXPECT_EQ(Screen().pixel(left, midY), Black);
        EXPECT_EQ(Screen().pixel(left + 1, midY), Black);
        EXPECT_EQ(Screen().pixel(left + 2, midY), KeyFace);
        EXPECT_EQ(Screen().pixel(left - 1, midY), Grey);
        EXPECT_EQ(Screen().pixel(right - 1, midY), Black);
        EXPECT_EQ(Screen().pixel(right - 3, midY), KeyFace);
        EXPECT_EQ(Screen().pixel(right, midY), Grey);
        EXPECT_EQ(Screen().pixel(midX, top), Black);
        EXPECT_EQ(Screen().pixel(midX, top - 1), Grey);
        EXPECT_EQ(Screen().pixel(midX, bottom - 1), Black);
        EXPECT_EQ(Screen().pixel(midX, bottom - 3), KeyFace);
        EXPECT_EQ(Screen().pixel(midX, bottom), Grey);
    }

    std::filesystem::path m_folder;
};

TEST_F(KeyGeometryTest, KeysOfSizeCodeMinusTwoAndTwentyFourHaveTheirSizeAndPlace)
{
    MakeView(777, 500, "TST");
    ASSERT_EQ(m_view->Keyboard().KeyCount(), 2);
    StartLine("a", false, true, false);
    const ViewLayout& layout = m_view->Layout();
    const int h = layout.keyboardBottom - layout.keyboardTop;
    const double unit = h * 0.01;
    const double x0 = (layout.rightEdge - layout.leftMargin - 3.0 * h) * 0.5;
    ASSERT_NE(unit, static_cast<int>(unit)) << "the test wants fractions to cut";

    // Size -2: 16 units wide, two rows of 19 units less 3.
    const int left = static_cast<int>(x0 + 20 * unit);
    const int top = layout.keyboardTop + static_cast<int>(10 * unit);
    const int right = left + static_cast<int>(16 * unit);
    const int bottom = top + static_cast<int>(-3 * unit) - static_cast<int>(-2 * unit * 19);
    ExpectKeyAt(left, top, right, bottom);
    EXPECT_NEAR(bottom - top, 35 * unit, 1.0);

    // Size 24: 24 units wide, a standard key high.
    const int left24 = static_cast<int>(x0 + 100 * unit);
    const int top24 = layout.keyboardTop + static_cast<int>(30 * unit);
    ExpectKeyAt(left24, top24, left24 + static_cast<int>(24 * unit), top24 + static_cast<int>(16 * unit));

    // The board is three times as wide as high, centred, the background tiled beside it.
    const int boardLeft = (layout.rightEdge + 5 - 3 * h) / 2;
    EXPECT_EQ(Screen().pixel(boardLeft, layout.keyboardTop + 1), Grey);
    EXPECT_NE(Screen().pixel(boardLeft - 1, layout.keyboardTop + 1), Grey);
    EXPECT_EQ(Screen().pixel(layout.rightEdge + 5 - boardLeft - 1, layout.keyboardTop + 1), Grey);
    EXPECT_NE(Screen().pixel(layout.rightEdge + 5 - boardLeft, layout.keyboardTop + 1), Grey);
}

TEST_F(KeyboardViewTest, StatusStripOffStoresValuesUncappedAndDrawsNothing)
{
    MakeView(800, 600);
    StartLine("ask", false, true, true);
    m_view->UpdateStatus(75, 950, 1200);
    EXPECT_EQ(m_view->ElapsedSeconds(), 75);
    EXPECT_EQ(m_view->SpeedValue(), 950);
    EXPECT_EQ(m_view->ErrorValue(), 1200);
    EXPECT_EQ(Screen(), m_baseline);

    // With the strip on the gauges stop at 400.
    m_view->UpdateStatus(0, 0, 0);
    StartLine("ask", true, true, true);
    m_view->UpdateStatus(75, 950, 1200);
    EXPECT_EQ(m_view->SpeedValue(), 400);
    EXPECT_EQ(m_view->ErrorValue(), 400);
    EXPECT_NE(Screen(), m_baseline);
}

TEST_F(KeyboardViewTest, GaugesAreGreyOnTheGoodSideOfTheLimitAndRedOnTheOther)
{
    MakeView(800, 600);
    StartLine("ask");
    const ViewLayout& layout = m_view->Layout();
    const int cx = layout.cx;
    const int cy = layout.cy;
    const int speedX = (layout.leftMargin + layout.rightEdge) / 4;
    const int errorX = (layout.leftMargin + layout.rightEdge) / 2;
    const int row = layout.statusTop + cy / 2 + 4;
    // A pixel inside the fill, left of the labels' text, and the limit mark.
    const auto fill = [&](int x1) { return Screen().pixel(x1 + 1, row); };
    const auto mark = [&](int x1) {
        return Screen().pixel(x1 + static_cast<int>(14 * cx * 0.0025 * 100), row);
    };

    m_view->UpdateStatus(61, 150, 50);
    EXPECT_EQ(fill(speedX), Grey);
    EXPECT_EQ(fill(errorX), Grey);
    EXPECT_EQ(mark(speedX), Black);
    EXPECT_EQ(mark(errorX), Black);

    m_view->UpdateStatus(61, 50, 150);
    EXPECT_EQ(fill(speedX), Red);
    EXPECT_EQ(fill(errorX), Red);
    // Beyond the fill the gauge is white.
    EXPECT_EQ(Screen().pixel(speedX + 14 * cx - 3, row), White);

    // Exactly at the limit neither gauge is good.
    m_view->UpdateStatus(61, 100, 100);
    EXPECT_EQ(fill(speedX), Red);
    EXPECT_EQ(fill(errorX), Red);
}

TEST_F(KeyboardViewTest, ClockShowsHoursWithinTheDayMinutesAndSeconds)
{
    EXPECT_EQ(StatusStripPainter::ClockText(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(StatusStripPainter::ClockText(3725), QStringLiteral("01:02:05"));
    EXPECT_EQ(StatusStripPainter::ClockText(25 * 3600 + 59), QStringLiteral("01:00:59"));
    EXPECT_EQ(StatusStripPainter::ClockText(-5), QStringLiteral("00:00:00"));
}

TEST_F(KeyboardViewTest, WelcomeScreenFillsTheWindowAndPlaysItsSoundOnce)
{
    KeyboardView& view = MakeView(640, 480);
    std::vector<std::string> played;
    view.SetWelcomeSoundPlayer([&](const std::string& path) { played.push_back(path); });
    view.ComputeLayout(true, true, true);
    view.SetViewState({0, 0, 0, -1, std::string(70, ' '), std::string(70, ' ')});
    view.PaintAll();
    const QImage expected = m_pictures.welcome->scaled(640, 480);
    EXPECT_EQ(Screen().pixel(320, 240), expected.pixel(320, 240));
    EXPECT_EQ(Screen().pixel(5, 5), expected.pixel(5, 5));

    QCoreApplication::processEvents();
    view.PaintAll();
    QCoreApplication::processEvents();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0], ProgramFilePath("sounds", "wellcome.wav"));

    // Updates never draw over the welcome picture.
    const QImage before = Screen().copy();
    view.UpdateAfterKeystroke({1, 3, 0, -1, std::string(70, ' '), {}}, 1, 0);
    view.UpdateStatus(0, 10, 10);
    view.AnimateStatus();
    view.MetronomeFlash();
    view.RedrawText();
    EXPECT_EQ(Screen(), before);

    // A status update that stored 0 brings the sound back with the next welcome screen.
    view.PaintAll();
    QCoreApplication::processEvents();
    EXPECT_EQ(played.size(), 2u);
}

TEST_F(KeyboardViewTest, AnimationDrawsIntoTheStripCornerOnly)
{
    MakeView(800, 600);
    StartLine("ask");
    const int side = m_view->Layout().textTop - m_view->Layout().statusTop;
    m_view->UpdateStatus(10, 100, 10);
    const QImage before = Screen().copy();
    m_view->AnimateStatus();
    const QRect corner(0, 0, side, side);
    EXPECT_NE(Screen().copy(corner), before.copy(corner));
    QImage outside = Screen().copy();
    QImage outsideBefore = before.copy();
    for (QImage* image : {&outside, &outsideBefore}) {
        QPainter painter(image);
        painter.fillRect(corner, Qt::black);
    }
    EXPECT_EQ(outside, outsideBefore);

    // Without the strip the square has no size.
    StartLine("ask", false, true, true);
    m_view->AnimateStatus();
    EXPECT_EQ(Screen(), m_baseline);
}

TEST_F(KeyboardViewTest, ShownViewCopiesItsScreenToTheWindow)
{
    KeyboardView& view = MakeView(600, 400);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    StartLine("ask");
    Update(0);
    const QImage grabbed = view.grab(view.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed, Screen());

    // A metronome beat just before a due repaint leaves no line behind.
    view.Invalidate();
    view.MetronomeFlash();
    WaitForTheFlashToEnd(view);
    const QImage afterFlash = Screen().copy();
    view.PaintAll();
    EXPECT_EQ(afterFlash, Screen());
}

} // namespace
