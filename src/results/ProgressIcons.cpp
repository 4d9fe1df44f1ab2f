#include "results/ProgressIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QColor kOutline(0x4a, 0x4f, 0x57);
const QColor kFace(0xf3, 0xdc, 0x7a);
const QColor kDark(0x3b, 0x40, 0x48);
const QColor kBars(0x8a, 0x93, 0xa0);

// The disc every icon but the bars is built on, inside the 16-pixel square.
const QRectF kDisc(1.5, 1.5, 13, 13);

void DrawDisc(QPainter& painter, const QColor& fill)
{
    painter.setPen(QPen(kOutline, 1.2));
    painter.setBrush(fill);
    painter.drawEllipse(kDisc);
}

// `mouth` bends the mouth: positive smiles, negative frowns, 0 is a straight line.
void DrawFace(QPainter& painter, double mouth)
{
    DrawDisc(painter, kFace);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDark);
    painter.drawEllipse(QRectF(5.1, 5.3, 1.9, 2.1));
    painter.drawEllipse(QRectF(9.0, 5.3, 1.9, 2.1));

    QPen pen(kDark, 1.3);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double y = mouth < 0 ? 11.4 : 10.2;
    QPainterPath path(QPointF(5.0, y));
    path.quadTo(QPointF(8.0, y + 2.6 * mouth), QPointF(11.0, y));
    painter.drawPath(path);
}

void DrawBars(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBars);
    painter.drawRoundedRect(QRectF(4.0, 3.0, 2.8, 10.0), 1.0, 1.0);
    painter.drawRoundedRect(QRectF(9.2, 3.0, 2.8, 10.0), 1.0, 1.0);
}

// `up`: the point at the top.
void DrawTriangle(QPainter& painter, bool up)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDark);
    const double tip = up ? 5.0 : 11.0;
    const double base = up ? 10.5 : 5.5;
    painter.drawPolygon(QPolygonF({QPointF(8.0, tip), QPointF(11.0, base), QPointF(5.0, base)}));
}

} // namespace

QPixmap ProgressIcons::Image(int icon)
{
    QPixmap image(kSize, kSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case kWhiteDisc:
        DrawDisc(painter, Qt::white);
        break;
    case kSmilingFace:
        DrawFace(painter, 1.0);
        break;
    case kNeutralFace:
        DrawFace(painter, 0.0);
        break;
    case kSadFace:
        DrawFace(painter, -1.0);
        break;
    case kBlackDisc:
        DrawDisc(painter, kDark);
        break;
    case kNoResult:
        DrawBars(painter);
        break;
    case kSortUp:
    case kSortDown:
        DrawTriangle(painter, icon == kSortUp);
        break;
    case kPlainBox:
        // Only the heading's own face: it keeps the heading's text where a mark would push it.
        break;
    default:
        break;
    }
    return image;
}

std::vector<QPixmap> ProgressIcons::Strip()
{
    std::vector<QPixmap> strip;
    strip.reserve(kCount);
    for (int icon = 0; icon < kCount; ++icon)
        strip.push_back(Image(icon));
    return strip;
}
