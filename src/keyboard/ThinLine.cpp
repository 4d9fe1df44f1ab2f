#include "keyboard/ThinLine.h"

#include <QPainter>

#include <cstdlib>

QRect ThinLine::Draw(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour)
{
    if (x1 == x2 && y1 == y2) {
        return {};
    }
    // Straight lines in one piece; the end pixel stays out.
    if (y1 == y2) {
        const QRect run = x2 > x1 ? QRect(x1, y1, x2 - x1, 1) : QRect(x2 + 1, y1, x1 - x2, 1);
        painter.fillRect(run, colour);
        return run;
    }
    if (x1 == x2) {
        const QRect run = y2 > y1 ? QRect(x1, y1, 1, y2 - y1) : QRect(x1, y2 + 1, 1, y1 - y2);
        painter.fillRect(run, colour);
        return run;
    }
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    QRect drawn;
    while (x != x2 || y != y2) {
        const QRect pixel(x, y, 1, 1);
        painter.fillRect(pixel, colour);
        drawn |= pixel;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    return drawn;
}
