#include "results/MultiRowTabControl.h"

#include <gtest/gtest.h>

namespace {

struct RowsCase
{
    const char* name;
    std::vector<int> widths;
    int available;
    int current;
    std::vector<QRect> expected;
};

class MultiRowTabLayoutTest : public testing::TestWithParam<RowsCase>
{};

} // namespace

TEST_P(MultiRowTabLayoutTest, TabsFlowIntoFullRowsWithTheChosenRowNextToThePage)
{
    const RowsCase& c = GetParam();
    EXPECT_EQ(MultiRowTabControl::LayOutRows(c.widths, c.available, 20, c.current), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MultiRowTabLayoutTest,
    testing::Values(RowsCase{"OneRowKeepsItsWidths",
                             {50, 60, 70},
                             200,
                             2,
                             {QRect(0, 0, 50, 20), QRect(50, 0, 60, 20), QRect(110, 0, 70, 20)}},
                    RowsCase{"TheFirstRowGoesDownWhenItHoldsTheChosenTab",
                             {80, 80, 80, 50},
                             200,
                             0,
                             {QRect(0, 20, 100, 20), QRect(100, 20, 100, 20), QRect(0, 0, 115, 20),
                              QRect(115, 0, 85, 20)}},
                    RowsCase{"TheOtherRowsKeepTheirOrder",
                             {70, 70, 70},
                             100,
                             0,
                             {QRect(0, 40, 100, 20), QRect(0, 0, 100, 20), QRect(0, 20, 100, 20)}},
                    RowsCase{"ARemainderGoesToTheLastTabs",
                             {40, 41, 50},
                             100,
                             2,
                             {QRect(0, 0, 49, 20), QRect(49, 0, 51, 20), QRect(0, 20, 100, 20)}},
                    RowsCase{"ATabWiderThanTheRowHasARowOfItsOwn",
                             {150, 30},
                             100,
                             1,
                             {QRect(0, 0, 150, 20), QRect(0, 20, 100, 20)}}),
    [](const testing::TestParamInfo<RowsCase>& info) { return std::string(info.param.name); });
