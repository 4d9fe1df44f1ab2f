#include "Scribe.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

double Scribe::Random::Next()
{
    m_state = m_state * 1664525u + 1013904223u;
    return (m_state >> 8) / static_cast<double>(1u << 24);
}

QImage Scribe::Canvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QFont Scribe::Font(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Scribe::VerticalGradient(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(area, gradient);
}

void Scribe::Stars(QPainter& painter, const QRectF& area, int count, double largest, const QColor& colour,
                   std::uint32_t seed, bool wrap)
{
    Random random(seed);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (!wrap) {
        painter.setClipRect(area);
    }
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + random.Next() * area.width();
        const double y = area.top() + random.Next() * area.height();
        const double size = largest * (0.3 + random.Next() * 0.7);
        QPainterPath star;
        star.moveTo(0, -size * 1.8);
        star.quadTo(0, 0, size * 1.8, 0);
        star.quadTo(0, 0, 0, size * 1.8);
        star.quadTo(0, 0, -size * 1.8, 0);
        star.quadTo(0, 0, 0, -size * 1.8);
        star.addEllipse(QPointF(0, 0), size * 0.5, size * 0.5);
        const int reach = wrap ? 1 : 0;
        for (int dx = -reach; dx <= reach; ++dx) {
            for (int dy = -reach; dy <= reach; ++dy) {
                painter.drawPath(star.translated(x + dx * area.width(), y + dy * area.height()));
            }
        }
    }
    painter.restore();
}

void Scribe::CentredText(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                         const QColor& colour)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, text);
    painter.restore();
}
