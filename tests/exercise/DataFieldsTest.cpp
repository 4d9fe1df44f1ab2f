#include "exercise/DataFields.h"

#include <climits>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>

TEST(DataFields, TakesColonClosedFieldsFromTheFront)
{
    std::string line = "a b::c";
    std::string field = "old";
    ASSERT_TRUE(DataFields::TakeField(line, field));
    EXPECT_EQ(field, "a b");
    ASSERT_TRUE(DataFields::TakeField(line, field));
    EXPECT_EQ(field, "");
    EXPECT_FALSE(DataFields::TakeField(line, field));
    EXPECT_EQ(line, "c");
    EXPECT_EQ(field, "");
}

TEST(DataFields, NumbersReadLikeTheCLibraryWithoutItsPitfalls)
{
    EXPECT_EQ(DataFields::ToInt("  -42xyz"), -42);
    EXPECT_EQ(DataFields::ToInt("+7"), 7);
    EXPECT_EQ(DataFields::ToInt("x1"), 0);
    EXPECT_EQ(DataFields::ToInt(""), 0);
    EXPECT_EQ(DataFields::ToInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(DataFields::ToLong("-99999999999999999999"), LONG_MIN);
    EXPECT_EQ(DataFields::ToChar("xyz"), 'x');
    EXPECT_EQ(DataFields::ToChar(""), '\0');

    // A German locale must not turn "1.5" into 1.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(DataFields::ToReal(" 1.5:"), 1.5);
    std::setlocale(LC_ALL, "C");
    EXPECT_DOUBLE_EQ(DataFields::ToReal("-2.25e1abc"), -22.5);
    EXPECT_DOUBLE_EQ(DataFields::ToReal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(DataFields::ToReal("abc"), 0.0);
    EXPECT_DOUBLE_EQ(DataFields::ToReal("1e-999"), 0.0);
    EXPECT_TRUE(std::isinf(DataFields::ToReal("1e999")));
}
