#pragma once

#include <cstdint>

// One point of a finger outline, in hand units (700 across the window, 100 down the
// hands area).
struct HandPoint
{
    struct Colour
    {
        std::uint8_t red = 0;
        std::uint8_t green = 0;
        std::uint8_t blue = 0;
        bool operator==(const Colour&) const = default;
    };

    int x = 0;
    int y = 0;
    // 0 moves to the point; anything else draws a line from the previous point.
    int penDown = 0;
    // The pen is 3 × weight hand units wide.
    int weight = 1;
    Colour colour;
};
