#include "settings/SettingsIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor kInk(0x22, 0x26, 0x2c);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kPaperEdge(0x9a, 0xa0, 0xa8);
const QColor kLetter(0x5a, 0x60, 0x68);
const QColor kCursor(0x1f, 0x5f, 0xb8);
const QColor kSpeakerBody(0x6e, 0x76, 0x82);
const QColor kWave(0x2c, 0x8a, 0x4a);
const QColor kCase(0xe4, 0xdd, 0xc8);
const QColor kCaseEdge(0x8a, 0x84, 0x70);

// A sheet with a typed letter, as the text panel shows the next character.
void DrawSheet(QPainter& painter)
{
    painter.setPen(QPen(kPaperEdge, 1.0));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 2.5, 2.5);
}

// A capital A inside the cell (x, 8) to (x + 10, 22): two legs and a bar.
void DrawLetter(QPainter& painter, double x, const QColor& colour)
{
    QPen pen(colour, 2.0);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(x + 0.5, 21.5));
    path.lineTo(QPointF(x + 5.0, 8.5));
    path.lineTo(QPointF(x + 9.5, 21.5));
    painter.drawPath(path);
    painter.drawLine(QPointF(x + 2.5, 16.5), QPointF(x + 7.5, 16.5));
}

void DrawWindowCursor(QPainter& painter)
{
    DrawSheet(painter);
    DrawLetter(painter, 11, kLetter);
    painter.setPen(QPen(kCursor, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(8.0, 6.0, 16.0, 18.0));
}

void DrawAxisCursor(QPainter& painter)
{
    DrawSheet(painter);
    DrawLetter(painter, 13, kLetter);
    QPen pen(kCursor, 2.2);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(9.0, 6.0), QPointF(9.0, 24.0));
}

void DrawArrowCursor(QPainter& painter)
{
    DrawSheet(painter);
    DrawLetter(painter, 11, kLetter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCursor);
    QPainterPath arrow(QPointF(16.0, 22.5));
    arrow.lineTo(QPointF(21.5, 28.0));
    arrow.lineTo(QPointF(10.5, 28.0));
    arrow.closeSubpath();
    painter.drawPath(arrow);
}

// The preview: a line of text with the cursor on the next cell, or the same line without it.
void DrawPreview(QPainter& painter, bool cursorShown)
{
    DrawSheet(painter);
    DrawLetter(painter, 5, kInk);
    painter.setPen(QPen(kLetter, 1.6));
    painter.drawLine(QPointF(5.0, 25.5), QPointF(27.0, 25.5));
    if (cursorShown) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kCursor);
        painter.drawRect(QRectF(18.0, 7.0, 4.0, 16.0));
    }
}

// A loudspeaker's cone facing right.
void DrawCone(QPainter& painter, double left, double scale)
{
    painter.setPen(QPen(kInk, 1.2));
    painter.setBrush(kSpeakerBody);
    QPainterPath cone(QPointF(left, 12.0 * scale));
    cone.lineTo(QPointF(left + 5.0 * scale, 12.0 * scale));
    cone.lineTo(QPointF(left + 12.0 * scale, 5.0 * scale));
    cone.lineTo(QPointF(left + 12.0 * scale, 27.0 * scale));
    cone.lineTo(QPointF(left + 5.0 * scale, 20.0 * scale));
    cone.lineTo(QPointF(left, 20.0 * scale));
    cone.closeSubpath();
    painter.drawPath(cone);
}

void DrawWaveSound(QPainter& painter)
{
    DrawCone(painter, 2.5, 1.0);
    QPen pen(kWave, 2.0);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int arc = 0; arc < 3; ++arc) {
        const double radius = 5.0 + 4.5 * arc;
        const QRectF bounds(15.0 - radius, 16.0 - radius, 2 * radius, 2 * radius);
        painter.drawArc(bounds, -45 * 16, 90 * 16);
    }
}

// A computer case with the round grille of its built-in speaker.
void DrawSpeakerSound(QPainter& painter)
{
    painter.setPen(QPen(kCaseEdge, 1.2));
    painter.setBrush(kCase);
    painter.drawRoundedRect(QRectF(6.5, 2.5, 19, 27), 2.0, 2.0);
    painter.setPen(QPen(kCaseEdge, 1.0));
    painter.drawLine(QPointF(9.0, 7.5), QPointF(23.0, 7.5));
    painter.drawLine(QPointF(9.0, 10.5), QPointF(23.0, 10.5));

    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    const QPointF centre(16.0, 20.0);
    painter.drawEllipse(centre, 1.1, 1.1);
    for (int ring = 1; ring <= 2; ++ring) {
        const int holes = 6 * ring;
        for (int i = 0; i < holes; ++i) {
            const double angle = 2.0 * M_PI * i / holes;
            painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * (2.9 * ring), 0.9, 0.9);
        }
    }
}

} // namespace

void SettingsIcons::Paint(QPainter& painter, const QRectF& rect, int icon)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / kSize, rect.height() / kSize);
    switch (icon) {
    case kWindowCursor:
        DrawWindowCursor(painter);
        break;
    case kAxisCursor:
        DrawAxisCursor(painter);
        break;
    case kArrowCursor:
        DrawArrowCursor(painter);
        break;
    case kCursorShown:
        DrawPreview(painter, true);
        break;
    case kCursorHidden:
        DrawPreview(painter, false);
        break;
    case kWaveSound:
        DrawWaveSound(painter);
        break;
    case kSpeakerSound:
        DrawSpeakerSound(painter);
        break;
    default:
        break;
    }
    painter.restore();
}

QPixmap SettingsIcons::Image(int icon, qreal devicePixelRatio)
{
    const int side = static_cast<int>(std::ceil(kSize * devicePixelRatio));
    QPixmap image(side, side);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Paint(painter, QRectF(0, 0, kSize, kSize), icon);
    return image;
}
