#include "WordPool.h"
#include "CourseBuilder.h"
#include "CourseChecker.h"
#include "CourseFile.h"
#include "resources/TextCodec.h"

#include <gtest/gtest.h>

TEST(WordPool, OffersOnlyWordsOfKnownCharactersWithPreferredOnesApart)
{
    WordPool pool;
    for (const char* word : {"das", "dass", "die", "lief", "leererer", "Fall"}) {
        pool.Add(word);
    }
    pool.AvoidEnding("erer");
    pool.PreferWordsOf("Ja, das ist so: die 3 Kinder.");
    const WordPool::Choice home = pool.Candidates("asdfjkl", "");
    EXPECT_EQ(home.preferred, std::vector<std::string>{"das"});
    EXPECT_EQ(home.others, std::vector<std::string>{"dass"});
    const WordPool::Choice withE = pool.Candidates("asdfjklei", "e");
    EXPECT_EQ(withE.preferred, std::vector<std::string>{"die"});
    EXPECT_EQ(withE.others, std::vector<std::string>{"lief"}); // leererer is avoided
    EXPECT_EQ(pool.Candidates("asdfjklF", "F").Size(), 1u);
}

namespace {

CoursePlan SmallPlan()
{
    CoursePlan plan;
    plan.identity = "00000407_a";
    LessonStep home;
    home.title = "Grundreihe";
    home.newLetters = "asdfjklö";
    home.drill = "fff jjj ddd kkk";
    home.drillLines = 2;
    home.groupLines = 1;
    home.newWordLines = 2;
    home.sentenceLines = 2; // no sentence fits yet: words take their place
    LessonStep next = home;
    next.title = "e und i mit Großbuchstaben";
    next.newLetters = "eiDS.";
    next.testEntry = 1;
    next.drill = "ded kik";
    plan.steps = {home, next};
    return plan;
}

} // namespace

TEST(CourseBuilder, BuildsLessonsThatKeepTheRulesAndPreferSentencesWithNewLetters)
{
    CourseBuilder builder(SmallPlan());
    for (const char* word : {"das", "dass", "all", "als", "falls", "lass", "die", "sie", "lies", "Dias"}) {
        builder.AddWord(word);
    }
    builder.AddSentence("Das Fass lief aus."); // needs r and u: never used
    builder.AddSentence("Sie las das.");
    const CourseText course = builder.Build();
    ASSERT_EQ(course.lessons.size(), 2u);
    EXPECT_EQ(course.lessons[0].lines.size(), 7u); // 2 drill, 1 group, 2 + 2 word lines
    const std::string text = CourseFile::Format(course);
    const CourseChecker::Result result = CourseChecker::Check("lessons/00000407_a.ddd.utf8", text, 2);
    for (const std::string& problem : result.problems) {
        ADD_FAILURE() << problem;
    }
    EXPECT_NE(text.find("Sie las das."), std::string::npos);
    EXPECT_EQ(text.find("Fass"), std::string::npos);
}

TEST(CourseBuilder, MissingInputsFailWithTheirPath)
{
    CoursePlan plan = SmallPlan();
    plan.wordsFile = "no-such-words.txt";
    CourseBuilder builder(plan);
    std::string error;
    EXPECT_FALSE(builder.LoadInputs("/nonexistent", error));
    EXPECT_NE(error.find("no-such-words.txt"), std::string::npos);
}
