#include "CourseChecker.h"
#include "CourseFile.h"
#include "resources/TextCodec.h"

#include <gtest/gtest.h>

namespace {

const std::string kPath = "data/lessons/00000407_a.ddd.utf8";

// Five distinct lines of `text`, each closed by Enter.
std::vector<std::string> Lines(const std::string& utf8)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 5; ++i) {
        lines.push_back(TextCodec::FromUtf8(utf8) + std::string(static_cast<size_t>(i + 1), 'a') + "\xA4");
    }
    return lines;
}

CourseText TwoLessons()
{
    CourseText course;
    course.identity = "00000407_a";
    CourseLesson first{"Grundreihe", TextCodec::FromUtf8("asdfjklö"), 1, 60.0, 3.0, Lines("fjd ")};
    first.lines[0] = TextCodec::FromUtf8("asdf jklö\xC2\xA4");
    CourseLesson second{"e und i", "ei", 0, 64.0, 2.5, Lines("die ")};
    course.lessons = {first, second};
    return course;
}

bool Mentions(const CourseChecker::Result& result, const std::string& part)
{
    for (const std::string& problem : result.problems) {
        if (problem.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(CourseChecker, AcceptsAWellFormedCourseAndReadsItBack)
{
    const std::string text = CourseFile::Format(TwoLessons());
    const CourseChecker::Result result = CourseChecker::Check(kPath, text, 2);
    EXPECT_TRUE(result.Passed()) << (result.problems.empty() ? "" : result.problems.front());
    ASSERT_EQ(result.course.lessons.size(), 2u);
    EXPECT_EQ(result.course.lessons[1].newLetters, "ei");
    EXPECT_DOUBLE_EQ(result.course.lessons[1].speedLimit, 64.0);
    EXPECT_EQ(result.course.lessons[0].lines.size(), 5u);
}

TEST(CourseChecker, FormatLeavesNoEmptyLineAfterTheLastLessonAndNoColonInTheHeader)
{
    CourseText course = TwoLessons();
    course.lessons[1].newLetters = "x:";
    const std::string text = CourseFile::Format(course);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_NE(text.substr(text.size() - 2), "\n\n");
    EXPECT_NE(text.find("\nx:0:64.00:2.50:\n"), std::string::npos);
}

TEST(CourseChecker, ReportsAnEmptyLineAfterTheLastLesson)
{
    const std::string text = CourseFile::Format(TwoLessons()) + "\n";
    EXPECT_TRUE(Mentions(CourseChecker::Check(kPath, text, 2), "empty line after the last lesson"));
}

TEST(CourseChecker, ReportsTheLineShapeFaults)
{
    CourseText course = TwoLessons();
    course.lessons[1].lines[0] = std::string(70, 'd') + "\xA4"; // 71 characters
    course.lessons[1].lines[1] = "die sie";                     // no Enter
    course.lessons[1].lines[2] = course.lessons[1].lines[3];    // repeated
    course.lessons[1].lines[4] = "die  sie\xA4";                // double blank
    const CourseChecker::Result result = CourseChecker::Check(kPath, CourseFile::Format(course), 2);
    EXPECT_TRUE(Mentions(result, "more than 70"));
    EXPECT_TRUE(Mentions(result, "must end in Enter"));
    EXPECT_TRUE(Mentions(result, "the same line twice"));
    EXPECT_TRUE(Mentions(result, "double or trailing blank"));
}

TEST(CourseChecker, ReportsCharactersBeforeTheirLessonAndNewLettersNeverUsed)
{
    CourseText course = TwoLessons();
    course.lessons[0].lines[2] = TextCodec::FromUtf8("die\xC2\xA4"); // e and i come one lesson later
    course.lessons[1].newLetters = "eir";                            // r is never typed
    const CourseChecker::Result result = CourseChecker::Check(kPath, CourseFile::Format(course), 2);
    EXPECT_TRUE(Mentions(result, "'e' is not introduced yet"));
    EXPECT_TRUE(Mentions(result, "introduces 'r' but never uses it"));
}

TEST(CourseChecker, TheColonIsIntroducedByTheLessonThatNamesIt)
{
    CourseText course = TwoLessons();
    course.lessons[1].lines[0] = "die: sie\xA4";
    EXPECT_TRUE(
        Mentions(CourseChecker::Check(kPath, CourseFile::Format(course), 2), "':' is not introduced"));
    course.lessons[1].title = "e, i und Doppelpunkt";
    EXPECT_TRUE(CourseChecker::Check(kPath, CourseFile::Format(course), 2).Passed());
}

TEST(CourseChecker, ReportsHeaderIdentityAndCountFaults)
{
    std::string text = CourseFile::Format(TwoLessons());
    const size_t header = text.find("ei:0:64.00:2.50:");
    text.replace(header, 16, "ei:0:64:2.5:");
    const CourseChecker::Result result = CourseChecker::Check("lessons/other.ddd.utf8", text, 3);
    EXPECT_TRUE(Mentions(result, "header must be"));
    EXPECT_TRUE(Mentions(result, "does not occur in the path"));
    EXPECT_TRUE(Mentions(result, "fewer than 3"));
}

TEST(CourseChecker, TheKeypadHasNoSpaceAndTheUsKeyboardNoUmlauts)
{
    CourseText keypad;
    keypad.identity = "NUM_a";
    keypad.lessons.push_back(
        {"Grundtasten", "456", 1, 60.0, 3.0, {"456\xA4", "4 5\xA4", "654\xA4", "55\xA4", "66\xA4"}});
    EXPECT_TRUE(Mentions(CourseChecker::Check("lessons/NUM_a.ddd.utf8", CourseFile::Format(keypad), 1),
                         "' ' cannot be typed on NUM"));

    CourseText us = TwoLessons();
    us.identity = "00000409_a";
    EXPECT_TRUE(Mentions(CourseChecker::Check("lessons/00000409_a.ddd.utf8", CourseFile::Format(us), 2),
                         "not typeable"));
}

TEST(CourseChecker, RejectsTextThatWindows1250CannotHold)
{
    std::string text = CourseFile::Format(TwoLessons());
    text.replace(text.find("die "), 4, "d\xC3\xA8 "); // è
    EXPECT_TRUE(Mentions(CourseChecker::Check(kPath, text, 2), "Windows-1250"));
    EXPECT_FALSE(CourseChecker::Check(kPath, "", 0).Passed());
}
