#include "keyboard/ViewText.h"

#include "keyboard/ThinLine.h"
#include "resources/TextCodec.h"

#include <QFontMetrics>
#include <QPainter>

#include <QHash>

#include <algorithm>
#include <optional>

namespace {

// Laying a line out to measure it costs as much as drawing it, and the lesson lines come
// back with every redraw: the answer is kept per font and text.
bool InWholeCells(const QFontMetrics& metrics, const QString& shown, int cx)
{
    constexpr qsizetype kMaxKept = 1024;
    // The metrics hold their font, so an equal one later is the same font.
    static std::optional<QFontMetrics> keptFor;
    static QHash<QString, bool> kept;
    if (!keptFor || !(*keptFor == metrics) || kept.size() >= kMaxKept) {
        keptFor = metrics;
        kept.clear();
    }
    const auto found = kept.constFind(shown);
    if (found != kept.constEnd()) {
        return found.value();
    }
    const bool whole = metrics.horizontalAdvance(shown) == static_cast<int>(shown.size()) * cx;
    kept.insert(shown, whole);
    return whole;
}

} // namespace

QString ViewText::ToDisplay(const std::string& text)
{
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), ReturnMark, ' ');
    return QString::fromStdString(TextCodec::ToUtf8(shown));
}

int ViewText::Width(const QFontMetrics& metrics, const std::string& text)
{
    return static_cast<int>(text.size()) * metrics.horizontalAdvance(QLatin1Char('A'));
}

QRect ViewText::DrawReturnArrow(QPainter& painter, int left, int y, int cx, int cy, const QColor& colour)
{
    const int stemX = left + cx - cx / 3;
    const int middle = y + cy / 2;
    const int tipX = left + cx / 5;
    const int barbX = left + cx / 3;
    QRect drawn = ThinLine::Draw(painter, stemX, y + cy / 4, stemX, middle, colour);
    drawn |= ThinLine::Draw(painter, stemX, middle, tipX, middle, colour);
    drawn |= ThinLine::Draw(painter, tipX, middle, barbX, y + cy / 3, colour);
    drawn |= ThinLine::Draw(painter, tipX, middle, barbX, y + 2 * cy / 3, colour);
    return drawn;
}

QRect ViewText::Draw(QPainter& painter, int x, int y, const std::string& text, const QColor& colour)
{
    if (text.empty()) {
        return {};
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int cx = metrics.horizontalAdvance(QLatin1Char('A'));
    const int cy = metrics.height();
    QRect drawn;
    if (text.find(ReturnMark) != std::string::npos) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (std::size_t p = text.find(ReturnMark); p != std::string::npos;
             p = text.find(ReturnMark, p + 1)) {
            drawn |= DrawReturnArrow(painter, x + static_cast<int>(p) * cx, y, cx, cy, colour);
        }
        painter.restore();
    }
    const QString shown = ToDisplay(text);
    painter.setPen(colour);
    const int baseline = y + metrics.ascent();
    if (InWholeCells(metrics, shown, cx)) {
        painter.drawText(QPoint(x, baseline), shown);
    } else {
        // Advances with a fraction would drift off the cells the cursor and the marks use.
        for (qsizetype i = 0; i < shown.size(); ++i) {
            painter.drawText(QPoint(x + static_cast<int>(i) * cx, baseline), QString(shown.at(i)));
        }
    }
    // Bold glyphs may reach a little beyond their cells.
    drawn |= QRect(x - cx, y, (static_cast<int>(shown.size()) + 2) * cx, cy);
    return drawn;
}
