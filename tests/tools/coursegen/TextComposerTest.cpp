#include "TextComposer.h"
#include "CourseBuilder.h"
#include "resources/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextComposer, WrapKeepsTheWidthAndKeepsUnitsWithTheirNumbers)
{
    const std::string text = TextCodec::FromUtf8("Ein Kaffee kostet 2,80 € und ein Tee 2,20 € am Markt.");
    for (int width = 20; width <= 30; ++width) {
        for (const std::string& line : TextComposer::Wrap(text, width)) {
            EXPECT_LE(static_cast<int>(line.size()), width + 1);
            EXPECT_EQ(line.back(), TextComposer::kEnter);
            EXPECT_NE(line.front(), '\x80') << "a line starts with the euro sign";
        }
    }
}

TEST(TextComposer, TheSameSeedGivesTheSameText)
{
    TextComposer a(7);
    TextComposer b(7);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(a.Group("asdfjkl", "e"), b.Group("asdfjkl", "e"));
        EXPECT_EQ(a.Number("0123", 4), b.Number("0123", 4));
    }
}

TEST(TextComposer, GroupsHoldARequiredLetterAndNumbersNoLeadingZero)
{
    TextComposer composer(3);
    for (int i = 0; i < 200; ++i) {
        const std::string group = composer.Group("asdf", "e");
        EXPECT_NE(group.find('e'), std::string::npos);
        EXPECT_GE(group.size(), 2u);
        EXPECT_LE(group.size(), 5u);
        const std::string number = composer.Number("05", 4);
        EXPECT_TRUE(number == "0" || number.front() != '0') << number;
    }
}

TEST(TextComposer, TokenLinesStayWithinTheirWidthEvenWhenNoTokenFits)
{
    TextComposer composer(11);
    const std::string line = composer.TokenLine([] { return std::string("abcdef"); }, 20);
    EXPECT_EQ(line, "abcdef\xA4"); // never the same token twice in a row
    EXPECT_EQ(composer.TokenLine([] { return std::string(30, 'x'); }, 20), "");
}

TEST(CourseBuilder, LimitsRiseAndTightenAcrossTheCourse)
{
    EXPECT_DOUBLE_EQ(CourseBuilder::SpeedLimitAt(0, 50, false), 60.0);
    EXPECT_DOUBLE_EQ(CourseBuilder::SpeedLimitAt(49, 50, false), 200.0);
    EXPECT_DOUBLE_EQ(CourseBuilder::SpeedLimitAt(49, 50, true), 175.0);
    EXPECT_DOUBLE_EQ(CourseBuilder::SpeedLimitAt(0, 50, true), 60.0);
    EXPECT_DOUBLE_EQ(CourseBuilder::ErrorLimitAt(0, 50), 3.0);
    EXPECT_DOUBLE_EQ(CourseBuilder::ErrorLimitAt(49, 50), 1.0);
}
