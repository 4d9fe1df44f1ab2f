#include "results/GraphModel.h"

#include "results/ResultNumbers.h"

void GraphModel::AddPoint(int x, int y)
{
    if (x < m_xMin)
        m_xMin = x;
    if (x > m_xMax)
        m_xMax = x;
    if (y < m_yMin)
        m_yMin = y;
    if (y > m_yMax)
        m_yMax = y;
    m_points.push_back(GraphPoint{x, y});
}

void GraphModel::SetLimit(int value, bool isMaximum)
{
    m_limit = value;
    m_limitIsMaximum = isMaximum;
    if (value > m_yMax)
        m_yMax = value;
}

GraphPlot GraphModel::Plot(const GraphArea& area)
{
    // Room above a limit near the top; a curve far above the limit is cut at ten times
    // the limit so that the limit stays visible. Without a range there is nothing to fit.
    if (m_yMax != 0.0) {
        if (m_limit / m_yMax > 0.9)
            m_yMax = 1.1 * m_limit;
        if (m_limit / m_yMax < 0.1)
            m_yMax = 10.0 * m_limit;
    }
    const double xRange = m_xMax - m_xMin;
    const double yRange = m_yMax - m_yMin;
    const double sx = xRange > 0.0 ? (area.right - area.left) / xRange : 0.0;
    const double sy = yRange > 0.0 ? (area.bottom - area.top) / yRange : 0.0;

    GraphPlot plot;
    const double t = (m_yMax - m_limit) * sy;
    plot.limitY = t > 0.0 ? area.top + ResultNumbers::Truncate(t) : area.top + 20;
    if (m_points.empty() || xRange <= 0.0 || yRange <= 0.0)
        return plot;
    plot.curve.reserve(m_points.size());
    for (GraphPoint& point : m_points) {
        if (point.y > m_yMax)
            point.y = ResultNumbers::Truncate(m_yMax);
        plot.curve.push_back(GraphPoint{ResultNumbers::Truncate((point.x - m_xMin) * sx + area.left),
                                        ResultNumbers::Truncate((m_yMax - point.y) * sy + area.top)});
    }
    return plot;
}
