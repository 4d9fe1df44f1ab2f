#include "results/GraphControl.h"

#include "results/GraphPainter.h"

#include <QPainter>

#include <utility>

GraphControl::GraphControl(QWidget* parent)
    : QWidget(parent)
{
    // The painter covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphControl::SetGraph(ResultGraph graph)
{
    m_graph = std::move(graph);
    update();
}

void GraphControl::SetLineColor(const QColor& colour)
{
    m_graph.lineColour = colour.rgb() & 0xFFFFFFu;
    update();
}

void GraphControl::AddPoint(int x, int y)
{
    m_graph.model.AddPoint(x, y);
    update();
}

void GraphControl::SetLimit(int value, bool isMaximum)
{
    m_graph.model.SetLimit(value, isMaximum);
    update();
}

void GraphControl::SetAxisLabels(const std::string& horizontal, const std::string& vertical)
{
    m_graph.horizontalLabel = horizontal;
    m_graph.verticalLabel = vertical;
    update();
}

void GraphControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GraphPainter::Paint(painter, rect(), m_graph);
}
