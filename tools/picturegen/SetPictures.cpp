#include "SetPictures.h"

#include "HandGeometry.h"
#include "Scribe.h"
#include "SetStyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

void DrawJointCreases(QPainter& painter, const HandGeometry::Finger& finger, const QColor& colour)
{
    const QPointF axis = finger.tip - finger.base;
    const double length = std::hypot(axis.x(), axis.y());
    const QPointF d = axis / length;
    const QPointF n(-d.y(), d.x());
    painter.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const double along : {0.55}) {
        const QPointF centre = finger.tip - d * (length * along);
        const double half = finger.width * 0.2;
        QPainterPath crease;
        crease.moveTo(centre + n * half);
        crease.quadTo(centre - d * 2.5, centre - n * half);
        painter.drawPath(crease);
    }
}

} // namespace

QImage SetPictures::Hands(const SetStyle& style)
{
    QImage image = Scribe::Canvas(HandGeometry::PictureWidth, HandGeometry::PictureHeight, style.deskBottom);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF all(0, 0, HandGeometry::PictureWidth, HandGeometry::PictureHeight);
    Scribe::VerticalGradient(painter, all, style.deskTop, style.deskBottom);

    // A soft pool of light under the hands keeps the eye on them.
    QRadialGradient glow(QPointF(HandGeometry::PictureWidth / 2.0, 110), 520);
    QColor light = style.night ? QColor(110, 124, 180, 70) : QColor(255, 255, 255, 90);
    glow.setColorAt(0, light);
    light.setAlpha(0);
    glow.setColorAt(1, light);
    painter.fillRect(all, glow);

    // The edge of the keyboard casts a thin shadow onto the desk.
    QLinearGradient edge(QPointF(0, 0), QPointF(0, 10));
    edge.setColorAt(0, QColor(0, 0, 0, style.night ? 90 : 60));
    edge.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(0, 0, all.width(), 10), edge);

    for (int hand = 0; hand < 2; ++hand) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.handShadow);
        painter.drawPath(HandGeometry::HandPath(hand).translated(5, 6));
    }
    for (int hand = 0; hand < 2; ++hand) {
        const QPainterPath outline = HandGeometry::HandPath(hand);
        QLinearGradient skin(QPointF(0, 10), QPointF(0, HandGeometry::PictureHeight));
        skin.setColorAt(0, style.skin);
        skin.setColorAt(1, style.skinShade);
        painter.setPen(Qt::NoPen);
        painter.setBrush(skin);
        painter.drawPath(outline);

        const int first = hand == 0 ? 0 : 5;
        for (int i = first; i < first + 5; ++i) {
            const HandGeometry::Finger& finger = HandGeometry::Fingers()[i];
            const bool thumb = i == 4 || i == 5;
            if (!thumb) {
                QColor crease = style.skinLine;
                crease.setAlpha(90);
                DrawJointCreases(painter, finger, crease);
            }
            painter.setPen(QPen(style.nailLine, 1.2));
            painter.setBrush(style.nail);
            painter.drawPath(HandGeometry::NailPath(finger));
        }
        painter.setPen(QPen(style.skinLine, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline);
    }
    return image;
}

QImage SetPictures::StatusStrip(const SetStyle& style)
{
    QImage image = Scribe::Canvas(StripWidth, StripHeight, style.stripBottom);
    QPainter painter(&image);
    Scribe::VerticalGradient(painter, QRectF(0, 0, StripWidth, StripHeight), style.stripTop,
                             style.stripBottom);
    if (style.night) {
        Scribe::Stars(painter, QRectF(0, 2, StripWidth, StripHeight - 8), 46, 3, QColor(150, 160, 200), 7,
                      false);
    }
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(0, 0, StripWidth, 1), style.stripBottom.lighter(108));
    painter.fillRect(QRectF(0, StripHeight - 3, StripWidth, 3), style.stripLine);
    return image;
}

QImage SetPictures::BackgroundTile(const SetStyle& style)
{
    QImage image = Scribe::Canvas(TileSize, TileSize, style.paper);
    QPainter painter(&image);
    if (style.night) {
        Scribe::Stars(painter, QRectF(0, 0, TileSize, TileSize), 9, 3, style.paperMark, 11, true);
    } else {
        // Squared paper; the lines repeat every 16 pixels, so the tile joins seamlessly.
        for (int i = 8; i < TileSize; i += 16) {
            painter.fillRect(QRect(i, 0, 1, TileSize), style.paperMark);
            painter.fillRect(QRect(0, i, TileSize, 1), style.paperMark);
        }
    }
    return image;
}
