#pragma once

// The rectangle a graph's curve is plotted in, in the control's pixels.
struct GraphArea
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
