#include "pictures/FrameStripPainter.h"

#include "pictures/PictureBlitter.h"

#include <QPainter>

#include <algorithm>

FrameStripPainter::FrameStripPainter(int ticksPerCycle, const MovieSlots& movies, const QImage* canvasPicture)
    : m_strip(ticksPerCycle)
    , m_movies(movies)
    , m_canvasPicture(canvasPicture)
{}

bool FrameStripPainter::Draw(QPainter& painter, int width, int height, int animation, int tick)
{
    const FrameStrip::Entry* entry = m_strip.FindEntry(animation, tick);
    if (entry == nullptr) {
        return false;
    }
    PrepareCanvas();
    const QImage* strip = m_movies[FrameStrip::MovieNumber(animation) - 1];
    LayFrame(strip, entry->lowerFrame, FrameStrip::Layer::Lower);
    LayFrame(strip, entry->upperFrame, FrameStrip::Layer::Upper);
    PictureBlitter(painter).StretchPicture(m_canvas, 0, 0, width, height);
    return true;
}

// A copy of the canvas picture's corner, not the picture itself: the welcome screen
// still shows that picture whole.
void FrameStripPainter::PrepareCanvas()
{
    if (!m_canvas.isNull()) {
        return;
    }
    m_canvas = QImage(FrameStrip::kFrameSize, FrameStrip::kFrameSize, QImage::Format_RGB32);
    m_canvas.fill(Qt::white);
    if (m_canvasPicture != nullptr && !m_canvasPicture->isNull()) {
        QPainter painter(&m_canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, *m_canvasPicture, 0, 0, FrameStrip::kFrameSize, FrameStrip::kFrameSize);
    }
}

// Pixels of the transparent colour leave the canvas as it is; so do the parts of a frame
// that lie beyond a strip too small for it.
void FrameStripPainter::LayFrame(const QImage* strip, int frame, FrameStrip::Layer layer)
{
    if (strip == nullptr || strip->isNull() || frame < 0) {
        return;
    }
    const FrameStrip::FrameRect source = FrameStrip::FrameRectangle(frame);
    const int columns = std::min(source.width, strip->width() - source.x);
    const int rows = std::min(source.height, strip->height() - source.y);
    for (int y = 0; y < rows; ++y) {
        auto* out = reinterpret_cast<QRgb*>(m_canvas.scanLine(y));
        for (int x = 0; x < columns; ++x) {
            const QRgb pixel = strip->pixel(source.x + x, source.y + y);
            if (!FrameStrip::IsTransparent(layer, qRed(pixel), qGreen(pixel), qBlue(pixel))) {
                out[x] = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            }
        }
    }
}
