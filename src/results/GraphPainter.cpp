#include "results/GraphPainter.h"

#include "results/ResultGraph.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"
#include "widgets/ProgramText.h"

#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QPolygon>
#include <QRect>

#include <algorithm>

namespace {

const QColor kGround(192, 192, 192);
const QColor kGoodRegion(220, 220, 220);
const QColor kFrame(100, 100, 100);
constexpr int kPenWidth = 3;

constexpr int kProgressText = 156;
constexpr int kInsufficientText = 157;
constexpr int kProgressShort = 158;
constexpr int kInsufficientShort = 159;

QPen ThickPen(const QColor& colour)
{
    return QPen(colour, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A text with its cell filled in `background`, the cell's top left corner at (x, y).
void DrawText(QPainter& painter, int x, int y, const QString& text, const QColor& background)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    painter.fillRect(cell, background);
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

// A curve of thousands of points covers each pixel column many times over; between
// the first and last point of a column only its lowest and highest matter for the
// picture, so a column keeps at most four points.
QPolygon ThinnedCurve(const std::vector<GraphPoint>& curve)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(std::min<std::size_t>(curve.size(), 4096)));
    std::size_t i = 0;
    while (i < curve.size()) {
        const GraphPoint first = curve[i];
        GraphPoint low = first, high = first, last = first;
        std::size_t lowAt = i, highAt = i;
        std::size_t j = i + 1;
        for (; j < curve.size() && curve[j].x == first.x; ++j) {
            last = curve[j];
            if (last.y < low.y) {
                low = last;
                lowAt = j;
            }
            if (last.y > high.y) {
                high = last;
                highAt = j;
            }
        }
        polygon << QPoint(first.x, first.y);
        // The extremes in the order the curve reached them.
        const bool lowFirst = lowAt <= highAt;
        for (const GraphPoint& p : {lowFirst ? low : high, lowFirst ? high : low})
            if (polygon.last() != QPoint(p.x, p.y))
                polygon << QPoint(p.x, p.y);
        if (polygon.last() != QPoint(last.x, last.y))
            polygon << QPoint(last.x, last.y);
        i = j;
    }
    return polygon;
}

} // namespace

void GraphPainter::Paint(QPainter& painter, const QRect& rect, ResultGraph& graph)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(rect.topLeft());
    // From here on the rectangle's own coordinates; right and bottom lie just outside.
    const int width = rect.width();
    const int height = rect.height();
    const int right = width;
    const int bottom = height;
    const QFont& font = DialogFont::Font();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    painter.fillRect(QRect(0, 0, width, height), kGround);
    painter.setPen(Qt::black);

    const QString vertical = ProgramText::ToQString(graph.verticalLabel);
    const int verticalWidth = metrics.horizontalAdvance(vertical);
    const int d = height / 2 + verticalWidth / 2;
    if (d - verticalWidth > 0) {
        // Runs upward from (10, d), the top of its letters to the left.
        painter.save();
        painter.translate(10, d);
        painter.rotate(-90);
        DrawText(painter, 0, 0, vertical, kGround);
        painter.restore();
    }
    const QString horizontal = ProgramText::ToQString(graph.horizontalLabel);
    const int horizontalWidth = metrics.horizontalAdvance(horizontal);
    const int g = width / 2 - horizontalWidth / 2;
    if (g + horizontalWidth < right)
        DrawText(painter, g, bottom - 20, horizontal, kGround);

    const GraphArea area{kPlotLeft, kPlotTop, right - kPlotRight, bottom - kPlotBottom};
    painter.setPen(ThickPen(kFrame));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygon({QPoint(area.left, area.top - 5), QPoint(area.right, area.top - 5),
                                   QPoint(area.right, area.bottom + 5), QPoint(area.left, area.bottom + 5),
                                   QPoint(area.left, area.top - 5)}));

    GraphModel& model = graph.model;
    const GraphPlot plot = model.Plot(area);
    const int y = plot.limitY;
    const bool isMaximum = model.LimitIsMaximum();
    const QRect good = isMaximum ? QRect(QPoint(area.left + 3, y), QPoint(area.right - 4, area.bottom - 1))
                                 : QRect(QPoint(area.left + 3, area.top), QPoint(area.right - 4, y - 1));
    if (good.isValid())
        painter.fillRect(good, kGoodRegion);

    if (plot.curve.size() > 1) {
        painter.setPen(ThickPen(QColor::fromRgb(graph.lineColour)));
        // Line by line: a thick polyline that crosses itself thousands of times is stroked
        // as one outline, which takes seconds; round caps join the pieces as well.
        const QPolygon curve = ThinnedCurve(plot.curve);
        QVector<QLine> lines;
        lines.reserve(curve.size());
        for (qsizetype i = 1; i < curve.size(); ++i)
            lines << QLine(curve[i - 1], curve[i]);
        painter.drawLines(lines);
    }

    painter.setPen(Qt::black);
    const QString progress = DialogText::FromTable(kProgressText);
    const QString insufficient = DialogText::FromTable(kInsufficientText);
    const QString upper = isMaximum ? insufficient : progress;
    const QString lower = isMaximum ? progress : insufficient;
    const QString upperShort = DialogText::FromTable(isMaximum ? kInsufficientShort : kProgressShort);
    const QString lowerShort = DialogText::FromTable(isMaximum ? kProgressShort : kInsufficientShort);
    const QColor upperGround = isMaximum ? kGround : kGoodRegion;
    const QColor lowerGround = isMaximum ? kGoodRegion : kGround;
    const int room = area.right - 5;
    DrawText(painter, area.left + 10, 20, metrics.horizontalAdvance(upper) + 30 < room ? upper : upperShort,
             upperGround);
    if (metrics.height() + y + 10 < area.bottom - 3)
        DrawText(painter, area.left + 10, y + 10,
                 metrics.horizontalAdvance(lower) + 30 < room ? lower : lowerShort, lowerGround);
    painter.restore();
}
