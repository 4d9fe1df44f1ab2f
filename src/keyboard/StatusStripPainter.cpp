#include "keyboard/StatusStripPainter.h"

#include "keyboard/ViewColours.h"
#include "keyboard/ViewText.h"
#include "pictures/PictureBlitter.h"
#include "resources/StringTable.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

StatusStripPainter::StatusStripPainter(QPainter& painter, const ViewLayout& layout)
    : m_painter(painter)
    , m_layout(layout)
{}

void StatusStripPainter::DrawBackground(const QImage* picture)
{
    const QRect strip(0, 0, m_layout.rightEdge + m_layout.leftMargin, m_layout.textTop - m_layout.statusTop);
    if (picture != nullptr) {
        PictureBlitter(m_painter).StretchPicture(*picture, strip.x(), strip.y(), strip.width(),
                                                 strip.height());
    }
    m_touched |= strip;
}

QString StatusStripPainter::ClockText(int elapsedSeconds)
{
    const int seconds = std::max(0, elapsedSeconds);
    return TwoDigits(seconds / 3600 % 24) + QLatin1Char(':') + TwoDigits(seconds / 60 % 60) +
           QLatin1Char(':') + TwoDigits(seconds % 60);
}

QRect StatusStripPainter::GaugeRect(int x1) const
{
    const int cx = m_layout.cx;
    const int cy = m_layout.cy;
    const int y1 = m_layout.statusTop + cy / 2;
    const int y2 = m_layout.statusTop + cy + cy / 2 - 2;
    return QRect(QPoint(x1, y1), QPoint(x1 + 14 * cx - 1, y2 - 1));
}

QRect StatusStripPainter::SpeedGaugeRect() const
{
    return GaugeRect((m_layout.leftMargin + m_layout.rightEdge) / 4);
}

QRect StatusStripPainter::ErrorGaugeRect() const
{
    return GaugeRect((m_layout.leftMargin + m_layout.rightEdge) / 2);
}

void StatusStripPainter::DrawValues(int elapsedSeconds, int speedValue, int errorValue)
{
    const int cx = m_layout.cx;
    const int cy = m_layout.cy;

    // The clock on an opaque white cell.
    const QString clock = ClockText(elapsedSeconds);
    const QFontMetrics metrics = m_painter.fontMetrics();
    const QPoint clockAt(m_layout.rightEdge - 10 * cx, m_layout.statusTop + cy / 2);
    const QRect clockCell(clockAt, QSize(metrics.horizontalAdvance(clock), cy));
    m_painter.fillRect(clockCell, ViewColours::White());
    m_painter.setPen(ViewColours::Black());
    m_painter.drawText(QPoint(clockAt.x(), clockAt.y() + metrics.ascent()), clock);
    m_touched |= clockCell.adjusted(-cx, 0, cx, 0);

    const auto label = [](int id) { return std::string("  ") + StringTable::Text(id); };
    const QRect speed = SpeedGaugeRect();
    DrawGauge(speed.left(), speed.top(), speed.right() + 1, speed.bottom() + 1, speedValue, true);
    m_touched |=
        ViewText::Draw(m_painter, speed.left(), speed.top(), label(kSpeedLabelId), ViewColours::KeyFace());
    const QRect error = ErrorGaugeRect();
    DrawGauge(error.left(), error.top(), error.right() + 1, error.bottom() + 1, errorValue, false);
    m_touched |=
        ViewText::Draw(m_painter, error.left(), error.top(), label(kErrorLabelId), ViewColours::KeyFace());
}

void StatusStripPainter::DrawGauge(int x1, int y1, int x2, int y2, int value, bool speedGauge)
{
    const int v = std::clamp(value, 0, kGaugeMaximum);
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The outline with the white brush inside; its right and bottom edge stay out.
    const QRect box(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    m_painter.fillRect(box, ViewColours::Black());
    m_painter.fillRect(box.adjusted(1, 1, -1, -1), ViewColours::White());

    const double unit = (x2 - x1) * 0.0025;
    const int fillEnd = x1 + static_cast<int>(unit * v);
    const int mark = x1 + static_cast<int>(unit * 100);
    const bool good = speedGauge ? fillEnd > mark : fillEnd < mark;
    const int fillTop = y1 + 3;
    const int fillBottom = y2 - 2;
    if (fillEnd > x1 && fillBottom > fillTop) {
        m_painter.fillRect(QRect(x1, fillTop, fillEnd - x1, fillBottom - fillTop),
                           good ? ViewColours::Grey() : ViewColours::Red());
    }
    if (x2 > fillEnd + 1 && fillBottom > fillTop) {
        m_painter.fillRect(QRect(fillEnd + 1, fillTop, x2 - fillEnd - 1, fillBottom - fillTop),
                           ViewColours::White());
    }
    if (y2 > y1) {
        m_painter.fillRect(QRect(mark, y1, 2, y2 - y1), ViewColours::Black());
    }
    m_painter.restore();
    m_touched |= box.adjusted(0, 0, 2, 0);
}
