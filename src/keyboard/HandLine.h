#pragma once

#include "keyboard/HandPoint.h"

// One line of a finger outline in window pixels, ready to be drawn in inversion mode.
struct HandLine
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int penWidth = 0;
    HandPoint::Colour colour;
    bool operator==(const HandLine&) const = default;
};
