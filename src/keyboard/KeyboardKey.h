#pragma once

#include <string>

// One key of an on-screen keyboard, in keyboard units: the keyboard area is 300 units
// wide and 100 high, a standard key 16 × 16 units, rows 19 units apart.
struct KeyboardKey
{
    int top = 0;
    int left = 0;
    // Width and height in one number: 10 or more is the width in units, 1 to 9 that
    // many standard widths, -1 to -9 a key over that many rows, -10 or less the height.
    int size = 0;
    // The label; a one-character name is what the key types without a modifier.
    std::string name;
    char shifted = 0;
    char altgr = 0;
    // 0-4 the left hand, 5-9 the right hand, anything else no finger.
    int finger = -1;

    int WidthUnits() const;
    int HeightUnits() const;

    // Where the keyboard is drawn in the window, in pixels: the client area's left
    // margin and right edge, and the keyboard area's top and bottom. The keyboard is
    // three times as wide as high and centred between margin and edge.
    struct Area
    {
        int leftMargin = 0;
        int rightEdge = 0;
        int top = 0;
        int bottom = 0;
    };

    // The key's rounded rectangle in pixels; `corner` is the corner ellipse's size.
    struct PixelRect
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        int corner = 0;
    };

    // Rounds exactly as the keyboard has always been drawn, so that a key drawn twice
    // in inversion mode covers the same pixels.
    PixelRect PixelRectIn(const Area& area) const;
};
