#pragma once

// A point of a result graph, or its position in a plot.
struct GraphPoint
{
    int x = 0;
    int y = 0;

    bool operator==(const GraphPoint&) const = default;
};
