#include "keyboard/ViewText.h"

#include "keyboard/ThinLine.h"
#include "resources/TextCodec.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <optional>

namespace {

// A line as the painter would lay it out, with its baseline at y = 0.
struct LaidOut
{
    bool inWholeCells = false;
    QList<QGlyphRun> glyphs;
};

LaidOut LayOut(const QPainter& painter, const QFontMetrics& metrics, const QString& shown, int cx)
{
    LaidOut laid;
    laid.inWholeCells = metrics.horizontalAdvance(shown) == static_cast<int>(shown.size()) * cx;
    if (!laid.inWholeCells) {
        return laid;
    }
    QTextLayout layout(shown, painter.font(), painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        laid.inWholeCells = false;
        return laid;
    }
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    laid.glyphs = line.glyphRuns();
    for (QGlyphRun& run : laid.glyphs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions) {
            position.ry() -= line.ascent();
        }
        run.setPositions(positions);
    }
    return laid;
}

// Laying a line out costs as much as drawing its glyphs, and the lesson lines come back
// with every redraw: the layout is kept per font and text.
LaidOut Kept(const QPainter& painter, const QFontMetrics& metrics, const QString& shown, int cx)
{
    constexpr qsizetype kMaxKept = 1024;
    // Every painter resolves its own copy of the font: the kept layouts are for an equal
    // font on a device of the same resolution.
    struct Key
    {
        QFont font;
        int dpiX = 0;
        int dpiY = 0;
        bool operator==(const Key&) const = default;
    };
    static std::optional<Key> keptFor;
    static QHash<QString, LaidOut> kept;
    const QPaintDevice* device = painter.device();
    const Key key{painter.font(), device != nullptr ? device->logicalDpiX() : 0,
                  device != nullptr ? device->logicalDpiY() : 0};
    if (!keptFor || !(*keptFor == key) || kept.size() >= kMaxKept) {
        keptFor = key;
        kept.clear();
    }
    const auto found = kept.constFind(shown);
    if (found != kept.constEnd()) {
        return found.value();
    }
    LaidOut laid = LayOut(painter, metrics, shown, cx);
    kept.insert(shown, laid);
    return laid;
}

} // namespace

QString ViewText::ToDisplay(const std::string& text)
{
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), kReturnMark, ' ');
    return QString::fromStdString(TextCodec::ToUtf8(shown));
}

int ViewText::Width(const QFontMetrics& metrics, const std::string& text)
{
    return static_cast<int>(text.size()) * metrics.horizontalAdvance(QLatin1Char('A'));
}

QRect ViewText::InkExtent(int cx, int cy, int x, int y, const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    const int overhang = InkOverhang(cy);
    return QRect(x + static_cast<int>(first) * cx - cx, y - overhang, static_cast<int>(last - first + 3) * cx,
                 cy + 2 * overhang);
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
    if (text.find(kReturnMark) != std::string::npos) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (std::size_t p = text.find(kReturnMark); p != std::string::npos;
             p = text.find(kReturnMark, p + 1)) {
            drawn |= DrawReturnArrow(painter, x + static_cast<int>(p) * cx, y, cx, cy, colour);
        }
        painter.restore();
    }
    const QString shown = ToDisplay(text);
    painter.setPen(colour);
    const int baseline = y + metrics.ascent();
    if (const LaidOut laid = Kept(painter, metrics, shown, cx); laid.inWholeCells) {
        for (const QGlyphRun& run : laid.glyphs) {
            painter.drawGlyphRun(QPointF(x, baseline), run);
        }
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
