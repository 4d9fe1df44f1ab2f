#include "results/GraphModel.h"

#include <gtest/gtest.h>

namespace {

// Plot area 200 × 100 at (30, 20).
constexpr GraphArea kArea{30, 20, 230, 120};

TEST(GraphModel, LimitNearTheTopGetsRoomAboveItOnce)
{
    GraphModel graph;
    graph.AddPoint(100, 4000);
    graph.AddPoint(200, 3000);
    graph.SetLimit(5000, false);
    EXPECT_EQ(graph.YMax(), 5000);
    graph.Plot(kArea);
    EXPECT_DOUBLE_EQ(graph.YMax(), 5500);
    graph.Plot(kArea);
    EXPECT_DOUBLE_EQ(graph.YMax(), 5500);
}

TEST(GraphModel, CurveFarAboveTheLimitIsCutAtTenTimesIt)
{
    GraphModel graph;
    graph.AddPoint(100, 50);
    graph.AddPoint(200, 5000);
    graph.SetLimit(100, false);
    const GraphPlot plot = graph.Plot(kArea);
    EXPECT_DOUBLE_EQ(graph.YMax(), 1000);
    EXPECT_EQ(graph.Points()[1], (GraphPoint{200, 1000})); // kept at the top
    ASSERT_EQ(plot.curve.size(), 2u);
    EXPECT_EQ(plot.curve[1], (GraphPoint{230, 20}));
    EXPECT_EQ(plot.curve[0], (GraphPoint{130, 115}));
    EXPECT_EQ(plot.limitY, 110);
}

TEST(GraphModel, PointsAndLimitMapIntoTheArea)
{
    GraphModel graph;
    for (const GraphPoint p : {GraphPoint{0, 0}, GraphPoint{100, 50}, GraphPoint{200, 100}})
        graph.AddPoint(p.x, p.y);
    graph.SetLimit(50, true);
    const GraphPlot plot = graph.Plot(kArea);
    EXPECT_EQ(plot.curve, (std::vector<GraphPoint>{{30, 120}, {130, 70}, {230, 20}}));
    EXPECT_EQ(plot.limitY, 70);
}

TEST(GraphModel, LimitZeroLeavesNoRangeAndNoCurve)
{
    GraphModel graph;
    graph.AddPoint(100, 300);
    graph.SetLimit(0, false);
    const GraphPlot plot = graph.Plot(kArea);
    EXPECT_EQ(graph.YMax(), 0);
    EXPECT_TRUE(plot.curve.empty());
    EXPECT_EQ(plot.limitY, 40);
    EXPECT_EQ(graph.Points()[0].y, 300); // not drawn, so not lowered
}

TEST(GraphModel, WithoutPointsOnlyTheLimitIsPlaced)
{
    GraphModel graph;
    graph.SetLimit(1, true);
    const GraphPlot plot = graph.Plot(GraphArea{0, 0, 100, 110});
    EXPECT_TRUE(plot.curve.empty());
    EXPECT_EQ(plot.limitY, 10); // range 1.1, limit at 1
}

TEST(GraphModel, PointsAtOneTimeDrawNoCurve)
{
    GraphModel graph;
    graph.AddPoint(0, 10);
    graph.AddPoint(0, 20);
    graph.SetLimit(15, false);
    EXPECT_TRUE(graph.Plot(kArea).curve.empty());
}

} // namespace
