// The blinking key and finger of the next character, drawn by inversion.
#include "KeyboardViewFixture.h"

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

TEST_F(KeyboardHighlightTest, BrokenHandsFileShowsTheErrorInsteadOfFingers)
{
    // A program folder whose hands file is missing: the view keeps working.
    const auto folder = std::filesystem::temp_directory_path() / "tippwerk-kbview-nohands";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "config");
    std::filesystem::copy_file(std::string(TIPPWERK_INSTALL_DIR) + "/config/00000407.kdd",
                               folder / "config" / "00000407.kdd");
    std::filesystem::copy_file(std::string(TIPPWERK_INSTALL_DIR) + "/config/0407.odd",
                               folder / "config" / "0407.odd");
    ProgramPaths::SetProgramFolderForTesting(folder.string());
    MakeView(800, 600);
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
    std::filesystem::remove_all(folder);
}

} // namespace
