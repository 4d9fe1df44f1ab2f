#pragma once

#include <QRect>

class QPainter;

// The metronome page's tick line: 3 pixels of grey, drawn by inverting what is under it,
// so drawing it a second time gives the picture back.
class MetronomeTickPainter
{
public:
    static constexpr int kPenWidth = 3;

    // Inverts the line from (left, y) to (right, y).
    static void Invert(QPainter& painter, int left, int right, int y);
    // The pixels the line touches, for a repaint of just them.
    static QRect Bounds(int left, int right, int y);
};
