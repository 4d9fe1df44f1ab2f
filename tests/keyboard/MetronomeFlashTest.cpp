// The metronome's line: shown at once, taken away by its timer, never left behind.
#include "KeyboardViewFixture.h"

#include <functional>

namespace {

class MetronomeFlashTest : public KeyboardViewFixture
{
protected:
    void SetUp() override
    {
        KeyboardViewFixture::SetUp();
        MakeView(800, 600);
        // The previous line's row is where the line flashes.
        m_previousLine = "Die vorige Zeile";
        StartLine("ask the lad");
        Update(0);
    }

    // The line's rows across the text panel.
    QRect LineRows() const
    {
        const ViewLayout& layout = m_view->Layout();
        return QRect(layout.leftMargin, layout.textTop - 1, layout.rightEdge - layout.leftMargin, 3);
    }
};

TEST_F(MetronomeFlashTest, TheBeatReturnsWithItsLineShownAndTheTimerTakesItAway)
{
    const QImage before = Screen().copy();
    m_view->MetronomeFlash();
    EXPECT_TRUE(m_view->MetronomeLineShown());
    EXPECT_NE(Screen().copy(LineRows()), before.copy(LineRows())) << "the beat waited for its line to go";
    WaitForTheFlashToEnd(*m_view);
    EXPECT_FALSE(m_view->MetronomeLineShown());
    EXPECT_EQ(Screen(), before);
}

// Whatever happens while the line shows, the view ends as if there had been no beat.
TEST_F(MetronomeFlashTest, NothingWithinTheFlashLeavesTheLineBehind)
{
    using Step = std::function<void(KeyboardView&)>;
    const std::string marks(70, ' ');
    const struct
    {
        const char* what;
        Step step;
    } cases[] = {
        {"keystroke",
         [&](KeyboardView& view) {
             view.UpdateAfterKeystroke({1, LineCount, Line, Lesson, marks, {}}, 0, 2);
         }},
        {"second beat", [](KeyboardView& view) { view.MetronomeFlash(); }},
        {"line change", [](KeyboardView& view) { view.RedrawText(); }},
        {"repaint", [](KeyboardView& view) { view.PaintAll(); }},
        {"status and animation",
         [](KeyboardView& view) {
             view.UpdateStatus(3, 90, 20);
             view.AnimateStatus();
         }},
        {"new layout",
         [](KeyboardView& view) {
             view.ComputeLayout(true, false, true);
             view.PaintAll();
         }},
        {"new size",
         [](KeyboardView& view) {
             view.resize(700, 560);
             view.ComputeLayout(true, true, true);
             view.PaintAll();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MakeView(800, 600);
        StartLine("ask the lad");
        Update(0);
        KeyboardView reference(m_typeable);
        reference.resize(m_view->size());
        reference.SetPictures(m_pictures);
        reference.SetLineSource([this](int, int line) {
            return line == Line ? m_line : line == Line - 1 ? m_previousLine : std::string();
        });
        reference.SetKeyboard("00000407");
        reference.ComputeLayout(true, true, true);
        reference.SetViewState({0, LineCount, Line, Lesson, m_marks, std::string(70, ' ')});
        reference.PaintAll();
        reference.UpdateAfterKeystroke({0, LineCount, Line, Lesson, m_marks, {}}, 0, 2);

        m_view->MetronomeFlash();
        c.step(*m_view);
        c.step(reference);
        WaitForTheFlashToEnd(*m_view);
        WaitForTheFlashToEnd(reference);
        EXPECT_FALSE(m_view->MetronomeLineShown());
        EXPECT_EQ(Screen(), reference.Screen());
    }
}

} // namespace
