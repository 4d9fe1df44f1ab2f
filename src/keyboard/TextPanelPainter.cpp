#include "keyboard/TextPanelPainter.h"

#include "keyboard/InversionScope.h"
#include "keyboard/ThinLine.h"
#include "keyboard/ViewColours.h"
#include "keyboard/ViewText.h"
#include "pictures/PictureBlitter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

constexpr int kMetronomePen = 3;

// The first `count` characters, all of them when the line is shorter.
std::string Head(const std::string& line, int count)
{
    return line.substr(0, static_cast<std::size_t>(std::clamp<int>(count, 0, static_cast<int>(line.size()))));
}

std::string CharacterAt(const std::string& text, int index)
{
    if (index < 0 || index >= static_cast<int>(text.size())) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(index), 1);
}

} // namespace

TextPanelPainter::TextPanelPainter(QPainter& painter, const ViewLayout& layout, const LessonLineSource& lines)
    : m_painter(painter)
    , m_layout(layout)
    , m_lines(lines)
{}

std::string TextPanelPainter::Line(int lesson, int line) const
{
    return m_lines ? m_lines(lesson, line) : std::string();
}

void TextPanelPainter::Text(int x, int y, const std::string& text, const QColor& colour)
{
    m_touched |= ViewText::Draw(m_painter, x, y, text, colour);
}

QRect TextPanelPainter::RowRect(int row) const
{
    return QRect(0, m_layout.textTop + row * m_layout.cy, m_layout.clientWidth, m_layout.cy);
}

QRegion TextPanelPainter::DrawPanel(const ExerciseViewState& state, const QImage* background,
                                    const QRegion* stale)
{
    const int x = m_layout.leftMargin;
    const int y = m_layout.textTop;
    const int cx = m_layout.cx;
    const int cy = m_layout.cy;
    const QRect panel(QPoint(0, y - ViewLayout::kMargin),
                      QPoint(m_layout.rightEdge + ViewLayout::kMargin - 1, m_layout.keyboardTop - 1));

    struct Run
    {
        int x;
        int y;
        std::string text;
        QColor colour;
    };
    std::vector<Run> runs;
    if (state.lineIndex > 0) {
        runs.push_back({x, y, Line(state.lessonIndex, state.lineIndex - 1), ViewColours::Grey()});
        runs.push_back({x, y + cy, state.previousErrorMarks, ViewColours::Red()});
    }
    if (state.lineIndex < state.lineCount) {
        const std::string line = Line(state.lessonIndex, state.lineIndex);
        const std::string typed = Head(line, state.column);
        const int w = ViewText::Width(m_painter.fontMetrics(), typed);
        std::string rest = line.substr(typed.size());
        // Before the first keystroke the black rest covers the grey line glyph for glyph;
        // only antialiased edges would keep some of the grey.
        const bool monochrome = (m_painter.font().styleStrategy() & QFont::NoAntialias) != 0;
        if (!typed.empty() || !monochrome) {
            runs.push_back({x, y + 2 * cy, line, ViewColours::Grey()});
        }
        runs.push_back({x + w, y + 2 * cy, std::move(rest), ViewColours::Black()});
    }
    runs.push_back({x, y + 3 * cy, state.errorMarks, ViewColours::Red()});
    const int following = cy > 0 ? (m_layout.keyboardTop - y - 4 * cy) / cy : 0;
    for (int i = 0; i < following; ++i) {
        const int index = state.lineIndex + 1 + i;
        if (index >= state.lineCount) {
            break;
        }
        runs.push_back({x, y + 4 * cy + i * cy, Line(state.lessonIndex, index), ViewColours::Black()});
    }

    m_ink = QRegion();
    for (const Run& run : runs) {
        m_ink |= ViewText::InkExtent(cx, cy, run.x, run.y, run.text);
    }
    // A line change moves every row: redrawing only where text was or goes spares the
    // rest of the wide panel, which shows its background either way.
    const QRegion laid = stale != nullptr ? (*stale | m_ink) & panel : QRegion(panel);
    if (background != nullptr) {
        PictureBlitter blitter(m_painter);
        for (const QRect& rect : laid) {
            blitter.TilePicture(*background, rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
        }
    }
    for (const Run& run : runs) {
        m_touched |= ViewText::Draw(m_painter, run.x, run.y, run.text, run.colour);
    }
    m_touched |= laid.boundingRect();
    return laid;
}

void TextPanelPainter::UpdateAfterKeystroke(const ExerciseViewState& stored, const ExerciseViewState& now,
                                            bool blinking, int cursorStyle, int& cursorCounter)
{
    const int x = m_layout.leftMargin;
    const int y = m_layout.textTop;
    const int cx = m_layout.cx;
    const int cy = m_layout.cy;
    const bool moved = now.column != stored.column;

    int w = cx;
    if (now.lineIndex < now.lineCount) {
        const std::string line = Line(now.lessonIndex, now.lineIndex);
        w = ViewText::Width(m_painter.fontMetrics(), Head(line, now.column));
        if (now.column > 0) {
            if (moved && cursorCounter % 2 == 1) {
                // Takes the cursor away from the cell just typed.
                ++cursorCounter;
                DrawCursor(cursorStyle, x + w - cx);
            }
            Text(x + w - cx, y + 2 * cy, CharacterAt(line, now.column - 1), ViewColours::Grey());
            Text(x + w - cx, y + 3 * cy, CharacterAt(now.errorMarks, now.column - 1), ViewColours::Red());
        }
    }
    if (blinking || moved || cursorCounter == 0) {
        ++cursorCounter;
        DrawCursor(cursorStyle, x + w);
    }
}

void TextPanelPainter::DrawCursor(int style, int cellX)
{
    const int c = cellX;
    const int cx = m_layout.cx;
    const int cy = m_layout.cy;
    const int y = m_layout.textTop;
    const QColor pen = ViewColours::Black();
    const InversionScope inverted(m_painter);
    const auto outline = [&](std::initializer_list<QPoint> points) {
        const QPoint* previous = nullptr;
        for (const QPoint& point : points) {
            if (previous != nullptr) {
                m_touched |=
                    ThinLine::Draw(m_painter, previous->x(), previous->y(), point.x(), point.y(), pen);
            }
            previous = &point;
        }
    };
    switch (style) {
    case WindowCursor: {
        const QPoint bottomLeft(c, y + 3 * cy - 1);
        const QPoint topLeft(c, y + 2 * cy + 1);
        const QPoint topRight(c + cx - 1, y + 2 * cy + 1);
        const QPoint bottomRight(c + cx - 1, y + 3 * cy - 1);
        outline({bottomLeft, topLeft, topRight, bottomRight, bottomLeft});
        break;
    }
    case AxisCursor:
        outline({QPoint(c, y + 3 * cy - 1), QPoint(c, y + 2 * cy + 1)});
        break;
    case ArrowCursor: {
        const QPoint tip(c + cx / 2 + 1, y + 3 * cy + 1);
        const QPoint right(c + cx - 1, y + 4 * cy - 1);
        const QPoint left(c + 1, y + 4 * cy - 1);
        outline({tip, right, left, tip});
        break;
    }
    default:
        break;
    }
}

void TextPanelPainter::InvertMetronomeLine()
{
    const InversionScope inverted(m_painter);
    m_painter.setPen(QPen(ViewColours::Grey(), kMetronomePen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.setBrush(Qt::NoBrush);
    const int y = m_layout.textTop;
    m_painter.drawLine(QPoint(m_layout.leftMargin, y), QPoint(m_layout.rightEdge, y));
    m_touched |= QRect(QPoint(m_layout.leftMargin, y), QPoint(m_layout.rightEdge, y))
                     .adjusted(-kMetronomePen, -kMetronomePen, kMetronomePen, kMetronomePen);
}
