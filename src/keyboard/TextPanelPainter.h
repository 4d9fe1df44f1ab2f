#pragma once

#include "exercise/ExerciseViewState.h"
#include "keyboard/LessonLineSource.h"
#include "keyboard/ViewLayout.h"

#include <QImage>
#include <QRect>
#include <QRegion>

class QPainter;

// The text panel between the status strip and the keyboard: the previous line and its
// error marks, the current line (typed part grey) with its error marks, the following
// lines, and the cursor. The painter must hold the view's font.
class TextPanelPainter
{
public:
    enum CursorStyle
    {
        WindowCursor = 0,
        AxisCursor = 1,
        ArrowCursor = 2,
    };

    TextPanelPainter(QPainter& painter, const ViewLayout& layout, const LessonLineSource& lines);

    // The whole panel anew; the caller sets its cursor counter to 0. With `stale`, the
    // part of the panel that may differ from its background, the background is laid only
    // there and where the new text goes: the rest already shows it. Returns what changed.
    QRegion DrawPanel(const ExerciseViewState& state, const QImage* background,
                      const QRegion* stale = nullptr);

    // Where the last DrawPanel left text.
    const QRegion& Ink() const { return m_ink; }

    // After a keystroke or a timer tick: greys the character just typed, shows its error
    // mark and moves or blinks the cursor. `stored` is the state before, the other
    // arguments the new one. The cursor counter is odd while the cursor shows.
    void UpdateAfterKeystroke(const ExerciseViewState& stored, const ExerciseViewState& now, bool blinking,
                              int cursorStyle, int& cursorCounter);

    // The cursor in the cell with left edge `cellX`, inverted: drawn twice it is gone.
    // Styles other than 0 to 2 draw nothing.
    void DrawCursor(int style, int cellX);

    // The metronome's line along the top of the panel, inverted.
    void InvertMetronomeLine();

    // Where the row of `row` text lines below the panel's top lies (row 2 is the
    // current line).
    QRect RowRect(int row) const;

    QRect Touched() const { return m_touched; }

private:
    std::string Line(int lesson, int line) const;
    void Text(int x, int y, const std::string& text, const QColor& colour);

    QPainter& m_painter;
    const ViewLayout& m_layout;
    const LessonLineSource& m_lines;
    QRect m_touched;
    QRegion m_ink;
};
