#include "IconSvg.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRectF>

namespace {

constexpr qreal kSize = 256;
const QColor kSide(36, 58, 98);
const QColor kFace(232, 238, 248);

QString Number(qreal value)
{
    return QString::number(value, 'f', 2);
}

QString RoundedRect(const QRectF& r, qreal radius, const QColor& fill)
{
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
        .arg(Number(r.x()), Number(r.y()), Number(r.width()), Number(r.height()), Number(radius),
             fill.name());
}

// The glyph outline in SVG path syntax; quadratic and cubic pieces become cubic curves.
QString PathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            data += QStringLiteral("M%1 %2 ").arg(Number(e.x), Number(e.y));
        } else if (e.isLineTo()) {
            data += QStringLiteral("L%1 %2 ").arg(Number(e.x), Number(e.y));
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data +=
                QStringLiteral("C%1 %2 %3 %4 %5 %6 ")
                    .arg(Number(e.x), Number(e.y), Number(c2.x), Number(c2.y), Number(end.x), Number(end.y));
            i += 2;
        }
    }
    return data.trimmed() + QStringLiteral("Z");
}

} // namespace

QString IconSvg::Document()
{
    // The same proportions as the window icon's drawing.
    const qreal margin = kSize / 16.0;
    const QRectF cap(margin, margin, kSize - 2 * margin, kSize - 2 * margin);
    const QRectF face = cap.adjusted(kSize / 10.0, kSize / 14.0, -kSize / 10.0, -kSize / 5.0);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(face.height() * 0.8));
    // Centred as QPainter::drawText centres one line: its advance and its line height.
    const QFontMetricsF metrics(font);
    const QString letter = QStringLiteral("T");
    const qreal x = face.center().x() - metrics.horizontalAdvance(letter) / 2;
    const qreal baseline = face.top() + (face.height() - metrics.height()) / 2 + metrics.ascent();
    QPainterPath glyph;
    glyph.addText(QPointF(x, baseline), font, letter);

    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n");
    svg += QStringLiteral("  <title>Tippwerk</title>\n");
    svg += RoundedRect(cap, kSize / 6.0, kSide);
    svg += RoundedRect(face, kSize / 10.0, kFace);
    svg += QStringLiteral("  <path fill=\"%1\" d=\"%2\"/>\n").arg(kSide.name(), PathData(glyph.simplified()));
    svg += QStringLiteral("</svg>\n");
    return svg;
}
