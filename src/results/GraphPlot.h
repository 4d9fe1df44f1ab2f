#pragma once

#include "results/GraphPoint.h"

#include <vector>

// Where one paint of a graph draws: the limit's edge and the curve.
struct GraphPlot
{
    // The y of the limit: the edge between the good region and the other one.
    int limitY = 0;
    // The curve's positions in order; empty when no curve is drawn.
    std::vector<GraphPoint> curve;
};
