#include "keyboard/ThinLine.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace {

// Lines reaching this far beyond the device are cut at that distance first, so that a
// damaged coordinate cannot make the line walk through billions of pixels. Lines within
// it keep their exact pixels.
constexpr int kReach = 64;

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it is inside.
bool Clip(const QRect& bounds, double& x1, double& y1, double& x2, double& y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - bounds.left(), bounds.right() - x1, y1 - bounds.top(), bounds.bottom() - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return false;
    }
    const double startX = x1;
    const double startY = y1;
    x1 = startX + enter * dx;
    y1 = startY + enter * dy;
    x2 = startX + leave * dx;
    y2 = startY + leave * dy;
    return true;
}

} // namespace

QRect ThinLine::Draw(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour)
{
    if (const QPaintDevice* device = painter.device()) {
        const QRect bounds =
            QRect(0, 0, device->width(), device->height()).adjusted(-kReach, -kReach, kReach, kReach);
        if (!bounds.contains(x1, y1) || !bounds.contains(x2, y2)) {
            double ax = x1;
            double ay = y1;
            double bx = x2;
            double by = y2;
            if (!Clip(bounds, ax, ay, bx, by)) {
                return {};
            }
            x1 = static_cast<int>(std::lround(ax));
            y1 = static_cast<int>(std::lround(ay));
            x2 = static_cast<int>(std::lround(bx));
            y2 = static_cast<int>(std::lround(by));
        }
    }
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
    // Neighbouring pixels of a row or a column go out as one rectangle: a fill per pixel
    // made the cursor and the finger outlines the dearest part of a keystroke. Every pixel
    // is still filled exactly once.
    QRect run;
    while (x != x2 || y != y2) {
        const QRect pixel(x, y, 1, 1);
        drawn |= pixel;
        const bool extendsRow =
            run.height() == 1 && y == run.top() && (x == run.right() + 1 || x == run.left() - 1);
        const bool extendsColumn =
            run.width() == 1 && x == run.left() && (y == run.bottom() + 1 || y == run.top() - 1);
        if (run.isEmpty()) {
            run = pixel;
        } else if (extendsRow || extendsColumn) {
            run |= pixel;
        } else {
            painter.fillRect(run, colour);
            run = pixel;
        }
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
    if (!run.isEmpty()) {
        painter.fillRect(run, colour);
    }
    return drawn;
}
