#pragma once

#include "pictures/FrameStrip.h"

#include <QImage>

#include <array>

class QPainter;

// Plays the status animation. Frames are laid into a 50 × 50 canvas that keeps what was
// drawn into it, and the canvas is drawn scaled onto the window.
class FrameStripPainter
{
public:
    using MovieSlots = std::array<const QImage*, FrameStrip::kAnimationCount>;

    // `movies[n]` is the slot of Movie<n + 1>.jpg of the current picture set; the canvas
    // starts as the top-left 50 × 50 pixels of `canvasPicture`. The slots stay with the
    // caller and must outlive the player; a slot loaded anew is used from the next frame.
    FrameStripPainter(int ticksPerCycle, const MovieSlots& movies, const QImage* canvasPicture);

    // Lays the animation's frames for the tick into the canvas and draws the canvas
    // scaled into (0, 0)–(width, height). False, drawing nothing, when the tick has no
    // entry; the previous frame then stays on screen.
    bool Draw(QPainter& painter, int width, int height, int animation, int tick);

    const FrameStrip& Strip() const { return m_strip; }

    // Null until the first frame is drawn.
    const QImage& Canvas() const { return m_canvas; }

private:
    void PrepareCanvas();
    void LayFrame(const QImage* strip, int frame, FrameStrip::Layer layer);

    FrameStrip m_strip;
    MovieSlots m_movies;
    const QImage* m_canvasPicture;
    QImage m_canvas;
};
