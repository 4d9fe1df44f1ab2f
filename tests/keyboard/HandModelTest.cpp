// The finger outlines: runs closed by END, damaged files, and their pixel lines.
#include "keyboard/HandModel.h"
#include "ProgramFolderFixture.h"

#include <climits>
#include <cstdlib>

namespace {

using HandModelTest = ProgramFolderFixture;

std::vector<std::string> TenRuns()
{
    std::vector<std::string> lines;
    for (int finger = 0; finger < 10; ++finger) {
        lines.push_back(std::to_string(finger * 70) + ":10:0:1:0:0:0:");
        lines.push_back(std::to_string(finger * 70 + 35) + ":90:1:1:0:0:0:");
        lines.push_back("END");
    }
    return lines;
}

} // namespace

TEST_F(HandModelTest, ConstructionLoadsTheHandsFile)
{
    WriteConfig("hands.ddd", TenRuns());
    const HandModel model;
    ASSERT_EQ(model.OutlineCount(), 10);
    EXPECT_TRUE(model.IsComplete());
    for (int finger = 0; finger < 10; ++finger) {
        ASSERT_EQ(model.Outline(finger).size(), 2u);
        EXPECT_EQ(model.Outline(finger)[0].x, finger * 70);
    }
    EXPECT_TRUE(model.Outline(10).empty());
    EXPECT_TRUE(model.Outline(-1).empty());
}

TEST_F(HandModelTest, OnlyAnExactEndLineClosesAnOutline)
{
    WriteConfig("h.ddd", {"1:2:0:1:0:0:0:", "END", "END", "3:4:1:2:300:-1:511:", "end", "END ", "", "remark",
                          "END", "5:6:1:1:0:0:0:"});
    HandModel model; // no hands.ddd in the folder: starts empty
    EXPECT_EQ(model.OutlineCount(), 0);
    EXPECT_FALSE(model.IsComplete());
    ASSERT_TRUE(model.Load("h.ddd"));
    // Two END lines in a row give an empty outline; points after the last END are dropped.
    ASSERT_EQ(model.OutlineCount(), 3);
    EXPECT_EQ(model.Outline(0).size(), 1u);
    EXPECT_TRUE(model.Outline(1).empty());
    ASSERT_EQ(model.Outline(2).size(), 1u);
    const HandPoint& p = model.Outline(2)[0];
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 4);
    EXPECT_EQ(p.penDown, 1);
    EXPECT_EQ(p.weight, 2);
    // Only the low eight bits of each colour part.
    EXPECT_EQ(p.colour, (HandPoint::Colour{44, 255, 255}));

    // Loading appends.
    ASSERT_TRUE(model.Load("h.ddd"));
    EXPECT_EQ(model.OutlineCount(), 6);
}

TEST_F(HandModelTest, AShortPointLineStopsTheLoadKeepingClosedOutlines)
{
    WriteConfig("h.ddd", {"1:2:0:1:0:0:0:", "END", "3:4:1:1:0:0:0:", "5:6:1:1:0:0:", "END"});
    HandModel model;
    EXPECT_FALSE(model.Load("h.ddd"));
    EXPECT_EQ(model.OutlineCount(), 1);
    EXPECT_FALSE(model.Load("missing.ddd"));
    WriteConfig("empty.ddd", {});
    EXPECT_TRUE(model.Load("empty.ddd"));
    EXPECT_EQ(model.OutlineCount(), 1);
}

TEST_F(HandModelTest, FingerLinesScaleToTheWindowAndTheHandsArea)
{
    WriteConfig("hands.ddd", {"100:10:0:1:0:0:0:", "200:50:1:1:10:20:30:", "350:100:1:2:0:0:0:",
                              "0:0:0:1:0:0:0:", "END", "70:20:1:1:0:0:0:", "140:20:1:1:0:0:0:", "END"});
    const HandModel model;
    // 700 × 100 units onto 700 pixels and a 200-pixel area from y 300.
    const auto lines = model.FingerLines(0, 700, 300, 200);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (HandLine{100, 320, 200, 400, 3, {10, 20, 30}}));
    EXPECT_EQ(lines[1], (HandLine{200, 400, 350, 500, 6, {0, 0, 0}}));

    // Twice as wide: x and pen double, y follows the area's height only.
    const auto wide = model.FingerLines(0, 1400, 300, 200);
    EXPECT_EQ(wide[1], (HandLine{400, 400, 700, 500, 12, {0, 0, 0}}));

    // Cut toward zero: 100 × 333/700 = 47.57, 10 × 0.55 = 5.5, pen 3 × 0.4757 = 1.43.
    EXPECT_EQ(model.FingerLines(0, 333, 0, 55)[0], (HandLine{47, 5, 95, 27, 1, {10, 20, 30}}));

    // A first point with the pen down starts its line at itself.
    const auto second = model.FingerLines(1, 700, 0, 100);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0], (HandLine{70, 20, 70, 20, 3, {0, 0, 0}}));

    EXPECT_TRUE(model.FingerLines(2, 700, 0, 100).empty());
    EXPECT_TRUE(model.FingerLines(-1, 700, 0, 100).empty());
}

TEST_F(HandModelTest, AbsurdPointsStayInRange)
{
    WriteConfig("hands.ddd", {"0:0:0:1:0:0:0:", "99999999999:-99999999999:1:-5:0:0:0:", "END"});
    const HandModel model;
    const auto lines = model.FingerLines(0, 100000000, 1000000, 1000000);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x2, INT_MAX);
    EXPECT_EQ(lines[0].y2, INT_MIN + 1000000);
    EXPECT_EQ(lines[0].penWidth, 0);
}

// Points near the ends of int stay far outside any window but leave the painter room
// to widen their rectangles by the pen.
TEST_F(HandModelTest, PointsAreReadClampedFarOutsideAnyWindow)
{
    constexpr int far = HandModel::kFarUnits;
    const struct
    {
        const char* line;
        int x, y, weight;
    } cases[] = {
        {"2147483647:-2147483648:1:2147483647:0:0:0:", far, -far, far},
        {"-99999999999:99999999999:1:-2147483648:0:0:0:", -far, far, -far},
        {"-1000000:1000000:1:999999:0:0:0:", -far, far, 999999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        WriteConfig("h.ddd", {"0:0:0:1:0:0:0:", c.line, "END"});
        HandModel model;
        ASSERT_TRUE(model.Load("h.ddd"));
        const HandPoint& p = model.Outline(0).at(1);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.penDown, 1);
        EXPECT_EQ(p.weight, c.weight);
        // An 8K window: the far end widened by the pen is still an int.
        const HandLine line = model.FingerLines(0, 7680, 0, 4320).at(0);
        EXPECT_LT(std::abs(static_cast<long long>(line.x2)) + line.penWidth, INT_MAX);
        EXPECT_LT(std::abs(static_cast<long long>(line.y2)) + line.penWidth, INT_MAX);
    }
}
