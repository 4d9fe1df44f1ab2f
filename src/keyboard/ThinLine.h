#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// One-pixel lines as the view has always drawn them: from the start point up to, but not
// including, the end point. So a closed outline drawn segment by segment touches every
// pixel once, and drawn in inversion mode a second time it restores what was there.
// The pixels are filled with the painter's current composition mode.
class ThinLine
{
public:
    // Returns the rectangle of the pixels drawn (empty for a line of length 0).
    static QRect Draw(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour);
};
