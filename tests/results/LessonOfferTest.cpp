#include "results/LessonOffer.h"

#include "users/LessonProgress.h"
#include "users/UserProfile.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

constexpr int kNone = LessonOffer::kNoResultIcon;

TEST(LessonOffer, TheNextLessonIsOfferedOnlyAfterACompletedResult)
{
    const struct
    {
        int lessons;
        int records;
        int lastIcon;
        bool offered;
        int selected;
    } cases[] = {
        {10, 0, -1, true, 0},                          // a new user: lesson 1
        {10, 0, kNone, true, 0},                       // no record, so no icon to look at
        {10, 3, 0, true, 3},                           // best result: the next lesson
        {10, 3, 4, true, 3},                           // a failed but completed result counts too
        {10, 3, kNone, false, 2}, {10, 9, 1, true, 9}, // the last lesson of the course
        {10, 10, 1, false, 9},                         // every lesson reached
        {4, 7, 1, false, 3},                           // records beyond a shorter course: its last lesson
        {0, 0, -1, false, -1},    {0, 2, 1, false, -1},
    };
    for (const auto& c : cases) {
        const LessonOffer offer(c.lessons);
        EXPECT_EQ(offer.OffersNextLesson(c.records, c.lastIcon), c.offered)
            << c.lessons << " lessons, " << c.records << " records, icon " << c.lastIcon;
        EXPECT_EQ(offer.FirstSelection(c.records, c.lastIcon), c.selected)
            << c.lessons << " lessons, " << c.records << " records, icon " << c.lastIcon;
    }
}

TEST(LessonOffer, OnlyLessonsOfTheCourseCanBeChosen)
{
    const LessonOffer offer(3);
    EXPECT_FALSE(offer.IsEmpty());
    for (const int lesson : {0, 1, 2})
        EXPECT_TRUE(offer.CanChoose(lesson)) << lesson;
    for (const int lesson : {-1, 3, 4})
        EXPECT_FALSE(offer.CanChoose(lesson)) << lesson;
    EXPECT_TRUE(LessonOffer(0).IsEmpty());
    EXPECT_FALSE(LessonOffer(0).CanChoose(0));
}

TEST(LessonOffer, ASkipAddsTheLessonAfterTheRowsUntilTheCourseEnds)
{
    const struct
    {
        int lessons;
        int rows;
        int added;
        int selected;
    } cases[] = {
        {10, 0, 0, 0},   {10, 4, 4, 4},
        {10, 9, 9, 9},   // the last lesson of the course can still be skipped to
        {10, 10, -1, 9}, // the end: only the last row is selected
        {4, 7, -1, 3},   // rows beyond a shorter course: its last lesson
        {0, 1, -1, 0},   // only the message row of an empty course
    };
    for (const auto& c : cases) {
        const LessonOffer::Skip skip = LessonOffer(c.lessons).SkipFrom(c.rows);
        EXPECT_EQ(skip.addedLesson, c.added) << c.lessons << " lessons, " << c.rows << " rows";
        EXPECT_EQ(skip.selectedRow, c.selected) << c.lessons << " lessons, " << c.rows << " rows";
    }
}

TEST(LessonOffer, ASkippedLessonGetsAnEmptyRecordDatedByTheClock)
{
    UserProfile profile;
    profile.RecordResult(0, 100, 1.5, 120, 60);
    const LessonOffer offer(10, [] { return std::int64_t{1700000000}; });
    offer.RecordSkip(profile, 1);

    ASSERT_EQ(profile.ProgressCount(), 2);
    const LessonProgress* skipped = profile.Progress(1);
    ASSERT_NE(skipped, nullptr);
    EXPECT_EQ(skipped->date, 1700000000);
    EXPECT_EQ(skipped->speed, 0);
    EXPECT_EQ(skipped->attempts, 0);
    EXPECT_EQ(skipped->totalSeconds, 0);
    // Without a completed result it offers nothing after it.
    EXPECT_EQ(profile.ProgressIcon(1, 2.0), LessonOffer::kNoResultIcon);
    EXPECT_FALSE(offer.OffersNextLesson(profile.ProgressCount(), profile.ProgressIcon(1, 2.0)));
    EXPECT_EQ(profile.Progress(0)->speed, 120); // the lesson before keeps its result
}

TEST(LessonOffer, TheSystemClockIsTheCurrentTime)
{
    const std::int64_t before = std::time(nullptr);
    const std::int64_t now = LessonOffer::SystemClock()();
    EXPECT_GE(now, before);
    EXPECT_LE(now, static_cast<std::int64_t>(std::time(nullptr)));
}

} // namespace
