#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>

#include <cstdint>

class QPainter;
class QString;

// Drawing helpers shared by all pictures.
class Scribe
{
public:
    // A small fixed generator, so every run draws the same stars.
    class Random
    {
    public:
        explicit Random(std::uint32_t seed)
            : m_state(seed)
        {}
        double Next();

    private:
        std::uint32_t m_state;
    };

    static QImage Canvas(int width, int height, const QColor& fill);
    static QFont Font(int pixelSize, bool bold);
    static void VerticalGradient(QPainter& painter, const QRectF& area, const QColor& top,
                                 const QColor& bottom);
    // Small four-pointed stars; with wrap they are repeated across the edges so a
    // tile joins its neighbours without a seam.
    static void Stars(QPainter& painter, const QRectF& area, int count, double largest, const QColor& colour,
                      std::uint32_t seed, bool wrap);
    static void CentredText(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                            const QColor& colour);
};
