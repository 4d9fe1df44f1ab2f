// The blinking key and finger of the next character, drawn by inversion.
#include "KeyboardViewFixture.h"

#include "exercise/LineFile.h"
#include "keyboard/HandsPainter.h"
#include "keyboard/ThinLine.h"

#include <QPainter>

#include <unistd.h>

namespace {

class KeyboardHighlightTest : public KeyboardViewFixture
{
protected:
    void SetUp() override
    {
        KeyboardViewFixture::SetUp();
        MakeView(800, 600);
    }

    // Only these fingers' outlines differ from the picture, each of them somewhere.
    ::testing::AssertionResult FingersShown(std::initializer_list<int> fingers) const
    {
        const QRect changed = ChangedWithin(HandsArea());
        QRect allowed;
        for (const int finger : fingers) {
            const QRect area = FingerArea(finger);
            if (ChangedWithin(area).isEmpty()) {
                return ::testing::AssertionFailure() << "finger " << finger << " not shown";
            }
            allowed |= area;
        }
        if (fingers.size() == 0 ? !changed.isEmpty() : !allowed.contains(changed)) {
            return ::testing::AssertionFailure() << "other pixels of the hands changed";
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(KeyboardHighlightTest, OneStrokeCharacterBlinksOnOffOnWithItsFinger)
{
    StartLine("ask");
    const int a = KeyIndex("a");
    Update(0);
    EXPECT_TRUE(Inverted(KeyCore(a)));
    EXPECT_TRUE(FingersShown({0}));
    Update(0);
    EXPECT_TRUE(Unchanged(KeyboardArea())) << "the second drawing takes the key away";
    EXPECT_TRUE(Unchanged(HandsArea()));
    Update(0);
    EXPECT_TRUE(Inverted(KeyCore(a)));
    EXPECT_TRUE(FingersShown({0}));

    // A repaint in mid-blink shows no highlight until the next update.
    m_view->PaintAll();
    EXPECT_EQ(m_view->BlinkPhase(), 0);
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
    Update(0);
    EXPECT_TRUE(Inverted(KeyCore(a)));
}

TEST_F(KeyboardHighlightTest, HighlightFollowsTheTypedCharacterOneUpdateLate)
{
    StartLine("ask");
    Update(0);
    // The keystroke still toggles the key just typed (hidden now), the next update moves on.
    Update(1);
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    Update(1);
    EXPECT_TRUE(Inverted(KeyCore(KeyIndex("s"))));
    EXPECT_TRUE(Unchanged(KeyCore(KeyIndex("a"))));
    EXPECT_TRUE(FingersShown({1}));
    EXPECT_EQ(m_view->BlinkPhase(), 1);

    // A change while the old key shows gives it back its normal look first.
    Update(1); // s hidden
    Update(2); // s shown
    Update(2); // k
    EXPECT_TRUE(Unchanged(KeyCore(KeyIndex("s"))));
    EXPECT_TRUE(Inverted(KeyCore(KeyIndex("k"))));
    EXPECT_TRUE(FingersShown({7}));
    Update(2);
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
}

TEST_F(KeyboardHighlightTest, CapitalOfTheLeftHandShowsRightShiftAndBothFingers)
{
    StartLine("A");
    Update(0);
    EXPECT_TRUE(Inverted(KeyCore(KeyIndex("a"))));
    EXPECT_TRUE(Inverted(KeyCore(m_view->Keyboard().RightShift())));
    EXPECT_TRUE(Unchanged(KeyCore(m_view->Keyboard().LeftShift())));
    EXPECT_TRUE(FingersShown({0, 9}));
    Update(0);
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
}

TEST_F(KeyboardHighlightTest, DeadKeyCharacterAlternatesItsTwoStrokes)
{
    StartLine("é");
    const int accent = KeyIndex("´");
    const int e = KeyIndex("e");
    const int accentFinger = m_view->Keyboard().FingerOf(accent);
    const int eFinger = m_view->Keyboard().FingerOf(e);

    Update(0); // first stroke shown
    EXPECT_TRUE(Inverted(KeyCore(accent)));
    EXPECT_TRUE(Unchanged(KeyCore(e)));
    EXPECT_TRUE(FingersShown({accentFinger}));
    Update(0); // hidden
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
    Update(0); // second stroke shown
    EXPECT_TRUE(Unchanged(KeyCore(accent)));
    EXPECT_TRUE(Inverted(KeyCore(e)));
    EXPECT_TRUE(FingersShown({eFinger}));
    Update(0); // hidden
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
    Update(0); // first stroke again
    EXPECT_TRUE(Inverted(KeyCore(accent)));
}

TEST_F(KeyboardHighlightTest, FingersStayInStepWithTheKeysAfterAChangeInMidCycle)
{
    StartLine("áé");
    Update(0); // á first stroke shown
    Update(0); // hidden
    Update(1); // á second stroke shown (the highlight is one update late)
    Update(1); // é: the shown stroke goes, é starts at its first stroke
    EXPECT_TRUE(Inverted(KeyCore(KeyIndex("´"))));
    EXPECT_TRUE(FingersShown({m_view->Keyboard().FingerOf(KeyIndex("´"))}));
    Update(1); // hidden: no finger may stay lit
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
}

TEST_F(KeyboardHighlightTest, WithoutKeyboardTheHandsRestartTheirPhaseOnAChange)
{
    StartLine("as", true, false, true);
    Update(0);
    Update(0);
    Update(1);
    EXPECT_EQ(m_view->BlinkPhase(), 3);
    Update(1); // s: phase restarts
    EXPECT_EQ(m_view->BlinkPhase(), 1);
    EXPECT_TRUE(FingersShown({1}));
    Update(1);
    EXPECT_TRUE(Unchanged(HandsArea()));
}

TEST_F(KeyboardHighlightTest, UnknownCharacterAndEndOfLineHighlightNothing)
{
    StartLine("a\x01");
    Update(0);
    Update(1); // a hidden
    Update(2); // unknown character: nothing
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
    Update(2); // beyond the end
    EXPECT_TRUE(Unchanged(KeyboardArea()));
    EXPECT_TRUE(Unchanged(HandsArea()));
}

// A program folder with the installed German keyboard and the given hands file lines
// (none: no hands file at all).
class OwnHandsTest : public KeyboardViewFixture
{
protected:
    void TearDown() override
    {
        KeyboardViewFixture::TearDown();
        std::filesystem::remove_all(m_folder);
    }

    void UseHands(const std::vector<std::string>& lines)
    {
        m_folder =
            std::filesystem::temp_directory_path() / ("tippwerk-kbview-hands-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder / "config");
        for (const char* file : {"00000407.kdd", "0407.odd"}) {
            std::filesystem::copy_file(std::string(TIPPWERK_INSTALL_DIR) + "/config/" + file,
                                       m_folder / "config" / file);
        }
        if (!lines.empty()) {
            LineFile hands;
            for (const std::string& line : lines) {
                hands.AddLine(line);
            }
            ASSERT_TRUE(hands.SaveLines((m_folder / "config" / "hands.ddd").string()));
        }
        ProgramPaths::SetProgramFolderForTesting(m_folder.string());
        MakeView(800, 600);
    }

    std::filesystem::path m_folder;
};

TEST_F(OwnHandsTest, BrokenHandsFileShowsTheErrorInsteadOfFingers)
{
    UseHands({});
    StartLine("a");
    EXPECT_FALSE(m_view->Hands().IsComplete());
    // The error text, black on white, at the hands' top-left.
    const ViewLayout& layout = m_view->Layout();
    const QRect text(10, layout.HandsTop() + 10, 47 * layout.cx, layout.cy);
    EXPECT_EQ(Screen().pixel(text.topLeft()), qRgb(255, 255, 255));
    int black = 0;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            black += Screen().pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(black, 47 * 4);
    Update(0);
    EXPECT_TRUE(Inverted(KeyCore(KeyIndex("a"))));
    EXPECT_TRUE(Unchanged(HandsArea()));
}

TEST_F(OwnHandsTest, OutlinesFarOutsideTheWindowAreDrawnAndTakenAwayAtOnce)
{
    std::vector<std::string> lines;
    for (int finger = 0; finger < 10; ++finger) {
        // A thin line and a wide one running two billion units to the right.
        lines.insert(lines.end(), {"10:50:0:0:0:0:0:", "2000000000:-2000000000:1:0:0:0:0:",
                                   "10:50:0:1:0:0:0:", "-2000000000:60:1:100000:0:0:0:", "END"});
    }
    UseHands(lines);
    StartLine("a");
    ASSERT_TRUE(m_view->Hands().IsComplete());
    Update(0);
    EXPECT_FALSE(ChangedWithin(HandsArea()).isEmpty());
    Update(0);
    EXPECT_TRUE(Unchanged(HandsArea()));
}

// The outline line by line in inversion mode, as the pixels of a finger are meant to be.
void InvertLineByLine(QPainter& painter, const std::vector<HandLine>& lines)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const HandLine& line : lines) {
        const QColor colour(line.colour.red, line.colour.green, line.colour.blue);
        if (line.penWidth <= 1) {
            ThinLine::Draw(painter, line.x1, line.y1, line.x2, line.y2, colour);
        } else if (line.x1 != line.x2 || line.y1 != line.y2) {
            painter.setPen(QPen(colour, line.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
        }
    }
    painter.restore();
}

QRect ChangedBetween(const QImage& a, const QImage& b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    return changed;
}

// Each finger's kept outline flips exactly the pixels the lines do, overlaps included,
// in several window sizes, and a second drawing restores the picture.
TEST_F(KeyboardHighlightTest, KeptFingerOutlinesFlipThePixelsOfTheirLines)
{
    for (const QSize size : {QSize(800, 600), QSize(1916, 1057), QSize(1023, 700), QSize(800, 600)}) {
        MakeView(size.width(), size.height());
        StartLine("a");
        const ViewLayout& layout = m_view->Layout();
        const int top = layout.HandsTop();
        for (int finger = 0; finger < HandModel::kFingerCount; ++finger) {
            QImage kept = Screen().copy();
            QImage expected = kept.copy();
            {
                QPainter painter(&expected);
                InvertLineByLine(painter, m_view->Hands().FingerLines(finger, layout.clientWidth, top,
                                                                      layout.handsBottom - top));
            }
            QPainter painter(&kept);
            HandsPainter hands(painter, layout);
            hands.InvertFinger(m_view->Hands(), finger);
            EXPECT_EQ(kept, expected) << size.width() << " wide, finger " << finger;
            EXPECT_TRUE((QRegion(ChangedBetween(kept, Screen())) - hands.Touched()).isEmpty());
            hands.InvertFinger(m_view->Hands(), finger);
            painter.end();
            EXPECT_EQ(kept, Screen()) << size.width() << " wide, finger " << finger;
        }
    }
}

} // namespace
