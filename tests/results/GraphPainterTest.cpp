#include "results/GraphPainter.h"
#include "results/ResultGraph.h"

#include "widgets/DialogFont.h"
#include "support/QtTestEnvironment.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

const QRgb kGround = qRgb(192, 192, 192);
const QRgb kGood = qRgb(220, 220, 220);
const QRgb kLine = qRgb(10, 120, 30);

QImage Painted(ResultGraph& graph, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    GraphPainter::Paint(painter, QRect(QPoint(0, 0), size), graph);
    return image;
}

// The smallest rectangle holding every dark (text) pixel inside `within`.
QRect DarkPixels(const QImage& image, const QRect& within)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 90)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// Points (0, 0), (100, 50), (200, 100) with an error-rate limit of 50: in a 200 × 150
// control the plot runs from (30, 20) to (180, 120), so x scales by 0.75 and y by 1.
ResultGraph TinyGraph()
{
    ResultGraph graph;
    graph.lineColour = kLine & 0xFFFFFF;
    graph.horizontalLabel = "Zeit";
    graph.verticalLabel = "Tempo";
    for (const GraphPoint p : {GraphPoint{0, 0}, GraphPoint{100, 50}, GraphPoint{200, 100}})
        graph.model.AddPoint(p.x, p.y);
    graph.model.SetLimit(50, true);
    return graph;
}

} // namespace

TEST(GraphPainterTest, LimitRegionsFrameAndCurveLieWhereThePlotPutsThem)
{
    ResultGraph graph = TinyGraph();
    const QImage image = Painted(graph, QSize(200, 150));
    struct Probe
    {
        QPoint at;
        QRgb colour;
    };
    // The limit at y 70: the good region below it (an error rate), the ground above.
    for (const Probe& p : {Probe{{160, 110}, kGood}, Probe{{160, 70}, kGood}, Probe{{160, 69}, kGround},
                           Probe{{5, 5}, kGround}, Probe{{100, 15}, qRgb(100, 100, 100)},
                           Probe{{45, 110}, kLine}, Probe{{105, 70}, kLine}, Probe{{179, 21}, kLine}})
        EXPECT_EQ(image.pixel(p.at), p.colour) << p.at.x() << "," << p.at.y();
}

TEST(GraphPainterTest, TheVerticalTextRunsUpwardAndTheHorizontalOneAlongTheBottom)
{
    ResultGraph graph = TinyGraph();
    const QImage image = Painted(graph, QSize(200, 150));
    const int textHeight = QFontMetrics(DialogFont::Font()).height();
    const QRect vertical = DarkPixels(image, QRect(0, 0, 27, 150));
    ASSERT_TRUE(vertical.isValid());
    EXPECT_GT(vertical.height(), 2 * vertical.width());
    EXPECT_GE(vertical.left(), 10);
    EXPECT_LE(vertical.right(), 10 + textHeight);
    EXPECT_NEAR(vertical.center().y(), 75, 4);

    const QRect horizontal = DarkPixels(image, QRect(0, 128, 200, 22));
    ASSERT_TRUE(horizontal.isValid());
    EXPECT_GT(horizontal.width(), 2 * horizontal.height());
    EXPECT_NEAR(horizontal.center().x(), 100, 4);
    EXPECT_GE(horizontal.top(), 130);
}

TEST(GraphPainterTest, ANarrowGraphNamesItsRegionsShortAndAnEmptyOneDrawsNoCurve)
{
    const int shortWidth = QFontMetrics(DialogFont::Font()).horizontalAdvance(QStringLiteral("Nein"));
    for (const int width : {400, 160}) {
        SCOPED_TRACE(width);
        ResultGraph graph;
        graph.lineColour = kLine & 0xFFFFFF;
        graph.model.SetLimit(50, true);
        const QImage image = Painted(graph, QSize(width, 150));
        // The upper label of an error graph: "Nicht ausreichender Bereich", or "Nein".
        const QRect upper = DarkPixels(image, QRect(33, 21, width - 60, 12));
        ASSERT_TRUE(upper.isValid());
        if (width == 160)
            EXPECT_LE(upper.right(), 40 + shortWidth + 2);
        else
            EXPECT_GT(upper.right(), 40 + shortWidth + 40);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_NE(image.pixel(x, y), kLine) << x << "," << y;
    }
}

TEST(GraphPainterTest, ALongCurveLooksAsIfEveryPointWereDrawn)
{
    ResultGraph graph;
    graph.lineColour = kLine & 0xFFFFFF;
    std::mt19937 engine(7);
    std::uniform_int_distribution<int> value(0, 600);
    for (int i = 0; i < 5000; ++i)
        graph.model.AddPoint(3 * i, value(engine));
    graph.model.SetLimit(1000, false);
    GraphModel model = graph.model;
    const QSize size(300, 200);
    const GraphPlot plot = model.Plot(GraphArea{30, 20, 280, 170});
    const QImage painted = Painted(graph, size);

    QImage every(size, QImage::Format_RGB32);
    every.fill(Qt::white);
    {
        QPainter painter(&every);
        painter.setPen(QPen(QColor(kLine), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (std::size_t i = 1; i < plot.curve.size(); ++i)
            painter.drawLine(plot.curve[i - 1].x, plot.curve[i - 1].y, plot.curve[i].x, plot.curve[i].y);
    }
    int curvePixels = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            ASSERT_EQ(painted.pixel(x, y) == kLine, every.pixel(x, y) == kLine) << x << "," << y;
            curvePixels += painted.pixel(x, y) == kLine;
        }
    EXPECT_GT(curvePixels, 1000);
}
