#pragma once

class QPainter;
class QRect;
struct ResultGraph;

// Draws a result graph: a grey ground with the two axis texts (the vertical one running
// upward), the frame, the good region up to the limit, the curve and a label in each
// region. Plotting fits the graph's range once (GraphModel::Plot), so the graph is not const.
class GraphPainter
{
public:
    // The plot area's distances from the edges of the rectangle painted.
    static constexpr int kPlotLeft = 30;
    static constexpr int kPlotTop = 20;
    static constexpr int kPlotRight = 20;
    static constexpr int kPlotBottom = 30;

    static void Paint(QPainter& painter, const QRect& rect, ResultGraph& graph);
};
