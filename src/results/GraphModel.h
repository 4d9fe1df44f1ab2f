#pragma once

#include "results/GraphArea.h"
#include "results/GraphPlot.h"
#include "results/GraphPoint.h"

#include <vector>

// The points, value ranges and limit of one result graph. The ranges always include 0
// and only grow; painting may raise or lower the top of the range to suit the limit and
// lowers points above it, once, so that every later paint shows the same picture.
class GraphModel
{
public:
    void AddPoint(int x, int y);
    void Reserve(std::size_t count) { m_points.reserve(count); }
    // Raises the top of the range to the limit. `isMaximum`: values below the limit are
    // good (error rate); otherwise values above it are (speed).
    void SetLimit(int value, bool isMaximum);

    // Fits the range to the limit and places the limit and the curve in `area`. No curve
    // without points or when a range is empty.
    GraphPlot Plot(const GraphArea& area);

    const std::vector<GraphPoint>& Points() const { return m_points; }
    int Limit() const { return m_limit; }
    bool LimitIsMaximum() const { return m_limitIsMaximum; }
    double XMin() const { return m_xMin; }
    double XMax() const { return m_xMax; }
    double YMin() const { return m_yMin; }
    double YMax() const { return m_yMax; }

private:
    std::vector<GraphPoint> m_points;
    double m_xMin = 0.0;
    double m_xMax = 0.0;
    double m_yMin = 0.0;
    double m_yMax = 0.0;
    int m_limit = 0;
    bool m_limitIsMaximum = false;
};
