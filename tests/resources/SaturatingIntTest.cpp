#include "resources/SaturatingInt.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

TEST(SaturatingIntTest, RealsAreCutTowardZeroAndHeldToTheRange)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        double value;
        int expected;
    } cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {std::nan(""), 0},
        {inf, INT_MAX},
        {-inf, INT_MIN},
        {1e12, INT_MAX},
        {-1e12, INT_MIN},
        {static_cast<double>(INT_MAX) - 0.5, INT_MAX - 1},
        {static_cast<double>(INT_MIN) + 0.5, INT_MIN + 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaturatingInt::FromReal(c.value), c.expected) << c.value;
}

TEST(SaturatingIntTest, WideValuesAreHeldToTheRange)
{
    EXPECT_EQ(SaturatingInt::FromWide(static_cast<std::int64_t>(INT_MAX) + 1), INT_MAX);
    EXPECT_EQ(SaturatingInt::FromWide(static_cast<std::int64_t>(INT_MIN) - 1), INT_MIN);
    EXPECT_EQ(SaturatingInt::FromWide(-7), -7);
}
