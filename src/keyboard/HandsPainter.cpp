#include "keyboard/HandsPainter.h"

#include "keyboard/HandModel.h"
#include "keyboard/InversionScope.h"
#include "keyboard/KeyboardLayout.h"
#include "keyboard/ThinLine.h"
#include "keyboard/ViewColours.h"
#include "pictures/PictureBlitter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <vector>

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

namespace {

constexpr int kMaskBand = PictureBlitter::kBandRows;

// The outline drawn line by line in inversion mode; returns what it may have touched.
QRect InvertLines(QPainter& painter, const std::vector<HandLine>& lines)
{
    const InversionScope inverted(painter);
    QRect touched;
    for (const HandLine& line : lines) {
        const QColor colour(line.colour.red, line.colour.green, line.colour.blue);
        if (line.penWidth <= 1) {
            touched |= ThinLine::Draw(painter, line.x1, line.y1, line.x2, line.y2, colour);
            continue;
        }
        // A wide pen has round ends and draws nothing for a line without length.
        if (line.x1 == line.x2 && line.y1 == line.y2) {
            continue;
        }
        painter.setPen(QPen(colour, line.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
        const int reach = line.penWidth;
        touched |= QRect(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2))
                       .normalized()
                       .adjusted(-reach, -reach, reach, reach);
    }
    return touched;
}

// A finger's outline as the bits it flips: stroking wide round-ended lines costs more
// than copying their pixels, and the outline comes back with every keystroke.
struct FingerMask
{
    std::vector<HandLine> lines;
    QRect touched;
    QImage bits;
};

const FingerMask& MaskFor(int finger, std::vector<HandLine> lines)
{
    static std::array<FingerMask, HandModel::kFingerCount> masks;
    FingerMask& mask = masks.at(static_cast<std::size_t>(finger));
    if (mask.lines == lines && !mask.bits.isNull()) {
        return mask;
    }
    mask.lines = std::move(lines);
    mask.bits = QImage();
    // The touched rectangle first, from a drawing that reaches no pixel.
    QImage none(1, 1, QImage::Format_RGB32);
    {
        QPainter measuring(&none);
        measuring.setClipRect(QRect(0, 0, 0, 0));
        mask.touched = InvertLines(measuring, mask.lines);
    }
    if (mask.touched.isEmpty()) {
        return mask;
    }
    QImage bits(mask.touched.size(), QImage::Format_RGB32);
    if (bits.isNull()) {
        return mask;
    }
    bits.fill(0);
    QPainter painter(&bits);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-mask.touched.topLeft());
    InvertLines(painter, mask.lines);
    painter.end();
    mask.bits = std::move(bits);
    return mask;
}

} // namespace

void HandsPainter::InvertFinger(const HandModel& hands, int finger)
{
    const int top = m_layout.HandsTop();
    std::vector<HandLine> lines =
        hands.FingerLines(finger, m_layout.clientWidth, top, m_layout.handsBottom - top);
    if (finger < 0 || finger >= HandModel::kFingerCount) {
        m_touched |= InvertLines(m_painter, lines);
        return;
    }
    const FingerMask& mask = MaskFor(finger, std::move(lines));
    if (mask.bits.isNull()) {
        m_touched |= InvertLines(m_painter, mask.lines);
        return;
    }
    // Flipping the same bits with exclusive or is the inversion line by line, overlaps
    // included, and drawn twice it restores the picture.
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QPoint at = mask.touched.topLeft();
    for (int row = 0; row < mask.bits.height(); row += kMaskBand) {
        const QRect band(0, row, mask.bits.width(), std::min(kMaskBand, mask.bits.height() - row));
        m_painter.drawImage(at + band.topLeft(), mask.bits, band);
    }
    m_painter.restore();
    m_touched |= mask.touched;
}

void HandsPainter::InvertFingersOf(const HandModel& hands, const KeyboardLayout& keys,
                                   const KeyStrokes& strokes, int blinkPhase)
{
    for (const int key : strokes.HighlightedAt(blinkPhase)) {
        if (key == -1) {
            continue;
        }
        const int finger = keys.FingerOf(key);
        if (finger >= 0 && finger < HandModel::kFingerCount) {
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
