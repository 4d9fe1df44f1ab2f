#include "CourseBuilder.h"
#include "CourseChecker.h"
#include "CourseFile.h"
#include "CoursePlans.h"

#include <cctype>
#include <gtest/gtest.h>

// The lesson sources in data/lessons are committed so that a build needs no word list;
// these tests keep them valid and in step with the generator's plans and inputs.
class CommittedCourse : public ::testing::TestWithParam<CoursePlan (*)()>
{};

TEST_P(CommittedCourse, KeepsEveryRule)
{
    const CoursePlan plan = GetParam()();
    const std::string path =
        std::string(TIPPWERK_SOURCE_DIR) + "/data/lessons/" + plan.identity + ".ddd.utf8";
    std::string content;
    std::string error;
    ASSERT_TRUE(CourseFile::Read(path, content, error)) << error;
    const CourseChecker::Result result = CourseChecker::Check(path, content, plan.minLessons);
    for (const std::string& problem : result.problems) {
        ADD_FAILURE() << problem;
    }
    EXPECT_EQ(result.course.lessons.size(), plan.steps.size());
}

TEST_P(CommittedCourse, IsWhatTheGeneratorMakesFromItsInputs)
{
    const CoursePlan plan = GetParam()();
    CourseBuilder builder(plan);
    std::string error;
    ASSERT_TRUE(builder.LoadInputs(std::string(TIPPWERK_SOURCE_DIR) + "/tools/coursegen/inputs", error))
        << error;
    std::string committed;
    const std::string path =
        std::string(TIPPWERK_SOURCE_DIR) + "/data/lessons/" + plan.identity + ".ddd.utf8";
    ASSERT_TRUE(CourseFile::Read(path, committed, error)) << error;
    EXPECT_EQ(CourseFile::Format(builder.Build()), committed)
        << "regenerate with: tippwerk-coursegen generate";
}

// Named after the course: the test runner finds each case again by its name in a new process.
INSTANTIATE_TEST_SUITE_P(Courses, CommittedCourse, ::testing::Values(&GermanPlan, &EnglishPlan, &KeypadPlan),
                         [](const ::testing::TestParamInfo<CoursePlan (*)()>& info) {
                             std::string name = info.param().identity;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });
