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

int StatusStripPainter::FillEnd(int x1, int x2, int value)
{
    const double unit = (x2 - x1) * 0.0025;
    return x1 + static_cast<int>(unit * std::clamp(value, 0, kGaugeMaximum));
}

bool StatusStripPainter::IsGood(int x1, int x2, int fillEnd, bool speedGauge)
{
    const int mark = x1 + static_cast<int>((x2 - x1) * 0.0025 * 100);
    return speedGauge ? fillEnd > mark : fillEnd < mark;
}

StatusStripPainter::Shown StatusStripPainter::ShownFor(int elapsedSeconds, int speedValue,
                                                       int errorValue) const
{
    Shown shown;
    shown.clock = ClockText(elapsedSeconds);
    const QRect speed = SpeedGaugeRect();
    shown.speedFill = FillEnd(speed.left(), speed.right() + 1, speedValue);
    shown.speedGood = IsGood(speed.left(), speed.right() + 1, shown.speedFill, true);
    const QRect error = ErrorGaugeRect();
    shown.errorFill = FillEnd(error.left(), error.right() + 1, errorValue);
    shown.errorGood = IsGood(error.left(), error.right() + 1, shown.errorFill, false);
    return shown;
}

void StatusStripPainter::DrawClock(const QString& clock)
{
    // The clock on an opaque white cell.
    const int cx = m_layout.cx;
    const int cy = m_layout.cy;
    const QFontMetrics metrics = m_painter.fontMetrics();
    const QPoint clockAt(m_layout.rightEdge - 10 * cx, m_layout.statusTop + cy / 2);
    const QRect clockCell(clockAt, QSize(metrics.horizontalAdvance(clock), cy));
    m_painter.fillRect(clockCell, ViewColours::White());
    m_painter.setPen(ViewColours::Black());
    m_painter.drawText(QPoint(clockAt.x(), clockAt.y() + metrics.ascent()), clock);
    m_touched |= clockCell.adjusted(-cx, 0, cx, 0);
}

void StatusStripPainter::DrawSpeedGauge(int value)
{
    const QRect speed = SpeedGaugeRect();
    DrawGauge(speed.left(), speed.top(), speed.right() + 1, speed.bottom() + 1, value, true);
    m_touched |= ViewText::Draw(m_painter, speed.left(), speed.top(), "  " + StringTable::Text(kSpeedLabelId),
                                ViewColours::KeyFace());
}

void StatusStripPainter::DrawErrorGauge(int value)
{
    const QRect error = ErrorGaugeRect();
    DrawGauge(error.left(), error.top(), error.right() + 1, error.bottom() + 1, value, false);
    m_touched |= ViewText::Draw(m_painter, error.left(), error.top(), "  " + StringTable::Text(kErrorLabelId),
                                ViewColours::KeyFace());
}

void StatusStripPainter::DrawValues(int elapsedSeconds, int speedValue, int errorValue, Shown* shown)
{
    DrawClock(ClockText(elapsedSeconds));
    DrawSpeedGauge(speedValue);
    DrawErrorGauge(errorValue);
    if (shown != nullptr) {
        *shown = ShownFor(elapsedSeconds, speedValue, errorValue);
    }
}

void StatusStripPainter::UpdateValues(int elapsedSeconds, int speedValue, int errorValue, Shown& shown)
{
    const Shown now = ShownFor(elapsedSeconds, speedValue, errorValue);
    if (now.clock != shown.clock) {
        DrawClock(now.clock);
    }
    if (now.speedFill != shown.speedFill || now.speedGood != shown.speedGood) {
        DrawSpeedGauge(speedValue);
    }
    if (now.errorFill != shown.errorFill || now.errorGood != shown.errorGood) {
        DrawErrorGauge(errorValue);
    }
    shown = now;
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

    const int fillEnd = FillEnd(x1, x2, v);
    const int mark = x1 + static_cast<int>((x2 - x1) * 0.0025 * 100);
    const bool good = IsGood(x1, x2, fillEnd, speedGauge);
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
