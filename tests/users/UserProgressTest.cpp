#include "users/UserProfile.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {

TEST(UserProgress, ResultForALessonTooFarAheadOnlyAddsOneRecord)
{
    UserProfile profile;
    profile.AddEmptyRecords(2);
    profile.RecordResult(3, 10, 1.0, 100, 30);
    ASSERT_EQ(profile.ProgressCount(), 3);
    EXPECT_EQ(profile.Progress(2)->speed, 0);
    EXPECT_EQ(profile.Progress(2)->attempts, 0);
    EXPECT_EQ(profile.Progress(3), nullptr);

    profile.RecordResult(3, 10, 1.0, 100, 30);
    ASSERT_EQ(profile.ProgressCount(), 4);
    EXPECT_EQ(profile.Progress(3)->speed, 100);
    EXPECT_EQ(profile.Progress(3)->attempts, 1);

    // A missing lesson index is no lesson at all.
    profile.RecordResult(-1, 10, 1.0, 100, 30);
    EXPECT_EQ(profile.ProgressCount(), 4);
}

TEST(UserProgress, KeepsTheLowestErrorRateTiesToTheHigherSpeed)
{
    UserProfile profile;
    EXPECT_FALSE(profile.IsDirty());
    profile.RecordResult(0, 1, 0.0, 0, 40); // abandoned: time and attempt only
    EXPECT_TRUE(profile.IsDirty());
    const LessonProgress* r = profile.Progress(0);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->speed, 0);
    EXPECT_EQ(r->date, 1);

    struct Step
    {
        double rate;
        int speed;
        int expectedSpeed;
        double expectedRate;
    };
    const Step steps[] = {
        {2.0, 120, 120, 2.0}, // replaces a record without a completed result
        {2.0, 130, 130, 2.0}, // equal rate, higher speed
        {2.0, 125, 130, 2.0}, // equal rate, lower speed
        {1.0, 0, 130, 2.0},   // lower rate but not completed
        {3.0, 300, 130, 2.0}, // higher rate
        {1.5, 90, 90, 1.5},   // lower rate wins even when slower
    };
    std::int64_t date = 100;
    for (const Step& step : steps) {
        profile.RecordResult(0, ++date, step.rate, step.speed, 60);
        EXPECT_EQ(r->speed, step.expectedSpeed) << step.rate << " " << step.speed;
        EXPECT_DOUBLE_EQ(r->errorRate, step.expectedRate);
    }
    EXPECT_EQ(r->date, 106);
    profile.RecordResult(0, 200, 0.0, 0, 0); // no time: no attempt
    EXPECT_EQ(r->totalSeconds, 40 + 6 * 60);
    EXPECT_EQ(r->attempts, 7);
}

TEST(UserProgress, EmptyRecordsLetAQualifiedLessonCount)
{
    UserProfile profile;
    const std::time_t before = std::time(nullptr);
    profile.AddEmptyRecords(6);
    EXPECT_TRUE(profile.IsDirty());
    ASSERT_EQ(profile.ProgressCount(), 6);
    EXPECT_GE(profile.Progress(0)->date, before);
    profile.RecordResult(5, 50, 0.5, 180, 120);
    EXPECT_EQ(profile.ProgressCount(), 6);
    EXPECT_EQ(profile.Progress(5)->speed, 180);

    profile.AddEmptyRecords(-3);
    profile.AddEmptyRecords(2000000000); // bounded, not an allocation failure
    EXPECT_EQ(profile.ProgressCount(), UserProfile::kMaxProgressRecords);
}

TEST(UserProgress, IconFollowsTheErrorRateAgainstTheLimit)
{
    UserProfile profile;
    const double rates[] = {0.0, 1.99, 2.0, 3.99, 4.0, 5.99, 6.0, 7.99, 8.0, 50.0, -1.0};
    const int icons[] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4};
    for (int i = 0; i < 11; ++i) {
        profile.RecordResult(i, 1, rates[i], 100, 1);
        EXPECT_EQ(profile.ProgressIcon(i, 10.0), icons[i]) << rates[i];
    }
    EXPECT_EQ(profile.ProgressIcon(0, 0.0), 4); // no tolerance: even a faultless result
    profile.RecordResult(11, 1, 0.0, 0, 1);
    EXPECT_EQ(profile.ProgressIcon(11, 10.0), 5);
    EXPECT_EQ(profile.ProgressIcon(12, 10.0), 0);
    EXPECT_EQ(profile.ProgressIcon(-1, 10.0), 0);
}

TEST(UserProgress, TextsForTheLessonList)
{
    const char* oldZone = std::getenv("TZ");
    const std::string savedZone = oldZone ? oldZone : "";
    ::setenv("TZ", "UTC", 1);
    ::tzset();

    UserProfile profile;
    profile.RecordResult(0, 1700000000, 2.0 / 3.0, 142, 25 * 3600);
    profile.RecordResult(0, 1700000000, 2.0 / 3.0, 142, 3725);
    EXPECT_EQ(profile.DateText(0), "22:13  14 November, 2023");
    EXPECT_EQ(profile.TotalTimeText(0), "02:02:05"); // 26 h 2 min 5 s, whole days not shown
    EXPECT_EQ(profile.SpeedText(0), "142");
    EXPECT_EQ(profile.ErrorRateText(0), "0.67");
    EXPECT_EQ(profile.AttemptsText(0), "2");
    profile.RecordResult(1, 0, 0.0, 0, 25 * 3600);
    EXPECT_EQ(profile.TotalTimeText(1), "01:00:00");
    EXPECT_EQ(profile.DateText(1), "00:00  01 January, 1970");
    for (int index : {2, -1}) {
        EXPECT_EQ(profile.DateText(index), "");
        EXPECT_EQ(profile.TotalTimeText(index), "");
        EXPECT_EQ(profile.SpeedText(index), "");
        EXPECT_EQ(profile.ErrorRateText(index), "");
        EXPECT_EQ(profile.AttemptsText(index), "");
    }

    if (oldZone)
        ::setenv("TZ", savedZone.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

} // namespace
