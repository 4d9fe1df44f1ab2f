#pragma once

#include "results/ResultGraph.h"

#include <QColor>
#include <QWidget>

#include <string>

// One chart of the results: a curve over the typing time, its limit and two axis texts.
// It only paints (through GraphPainter); it has no interaction.
class GraphControl : public QWidget
{
    Q_OBJECT

public:
    explicit GraphControl(QWidget* parent = nullptr);

    // Takes a whole graph at once, as the evaluation made it.
    void SetGraph(ResultGraph graph);
    const ResultGraph& Graph() const { return m_graph; }

    void SetLineColor(const QColor& colour);
    void AddPoint(int x, int y);
    void SetLimit(int value, bool isMaximum);
    // Windows-1250 texts.
    void SetAxisLabels(const std::string& horizontal, const std::string& vertical);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResultGraph m_graph;
};
