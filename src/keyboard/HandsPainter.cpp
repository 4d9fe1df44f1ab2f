#include "keyboard/HandsPainter.h"

#include "keyboard/HandModel.h"
#include "keyboard/InversionScope.h"
#include "keyboard/KeyboardLayout.h"
#include "keyboard/ThinLine.h"
#include "keyboard/ViewColours.h"
#include "pictures/PictureBlitter.h"

#include <QFontMetrics>
#include <QPainter>

const char* const HandsPainter::ErrorText = "ERROR in hands.ddd file. Install program again.";

HandsPainter::HandsPainter(QPainter& painter, const ViewLayout& layout)
    : m_painter(painter)
    , m_layout(layout)
{}

void HandsPainter::DrawPicture(const QImage* picture, const HandModel& hands)
{
    const QRect area(0, m_layout.HandsTop(), m_layout.rightEdge + m_layout.leftMargin,
                     m_layout.handsBottom - m_layout.HandsTop());
    if (picture != nullptr) {
        PictureBlitter(m_painter).StretchPicture(*picture, area.x(), area.y(), area.width(), area.height());
    }
    m_touched |= area;
    if (!hands.IsComplete()) {
        DrawError();
    }
}

void HandsPainter::DrawError()
{
    const QString text = QString::fromLatin1(ErrorText);
    const QFontMetrics metrics = m_painter.fontMetrics();
    const QPoint at(10, m_layout.HandsTop() + 10);
    const QRect cell(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
    m_painter.fillRect(cell, ViewColours::White());
    m_painter.setPen(ViewColours::Black());
    m_painter.drawText(QPoint(at.x(), at.y() + metrics.ascent()), text);
    m_touched |= cell.adjusted(-metrics.height(), 0, metrics.height(), 0);
}

void HandsPainter::InvertFinger(const HandModel& hands, int finger)
{
    const InversionScope inverted(m_painter);
    const int top = m_layout.HandsTop();
    for (const HandLine& line :
         hands.FingerLines(finger, m_layout.clientWidth, top, m_layout.handsBottom - top)) {
        const QColor colour(line.colour.red, line.colour.green, line.colour.blue);
        if (line.penWidth <= 1) {
            m_touched |= ThinLine::Draw(m_painter, line.x1, line.y1, line.x2, line.y2, colour);
            continue;
        }
        // A wide pen has round ends and draws nothing for a line without length.
        if (line.x1 == line.x2 && line.y1 == line.y2) {
            continue;
        }
        m_painter.setPen(QPen(colour, line.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.drawLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
        const int reach = line.penWidth;
        m_touched |= QRect(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2))
                         .normalized()
                         .adjusted(-reach, -reach, reach, reach);
    }
}

void HandsPainter::InvertFingersOf(const HandModel& hands, const KeyboardLayout& keys,
                                   const KeyStrokes& strokes, int blinkPhase)
{
    for (const int key : strokes.HighlightedAt(blinkPhase)) {
        if (key == -1) {
            continue;
        }
        const int finger = keys.FingerOf(key);
        if (finger >= 0 && finger < HandModel::FingerCount) {
            InvertFinger(hands, finger);
        }
    }
}

void HandsPainter::UpdateHighlight(const HandModel& hands, const KeyboardLayout& keys,
                                   const KeyStrokes& strokes, KeyStrokes& last, int& blinkPhase,
                                   bool keyboardOn)
{
    if (!hands.IsComplete()) {
        DrawError();
        return;
    }
    int drawPhase = blinkPhase;
    if (strokes != last) {
        if (blinkPhase % 2 == 1) {
            InvertFingersOf(hands, keys, last, blinkPhase);
        }
        last = strokes;
        if (!keyboardOn) {
            blinkPhase = 0;
        }
        // The keyboard restarts the phase right after; the fingers start with it, or a
        // dead-key character's second finger would stay lit.
        drawPhase = 0;
    }
    InvertFingersOf(hands, keys, strokes, drawPhase);
}
