#include "results/LessonOffer.h"

#include "users/UserProfile.h"

#include <algorithm>
#include <ctime>
#include <utility>

LessonOffer::Clock LessonOffer::SystemClock()
{
    return [] { return static_cast<std::int64_t>(std::time(nullptr)); };
}

LessonOffer::LessonOffer(int lessons, Clock clock)
    : m_lessons(lessons)
    , m_clock(std::move(clock))
{}

bool LessonOffer::OffersNextLesson(int records, int lastIcon) const
{
    if (records >= m_lessons)
        return false;
    return records == 0 || lastIcon != kNoResultIcon;
}

int LessonOffer::FirstSelection(int records, int lastIcon) const
{
    if (OffersNextLesson(records, lastIcon))
        return records;
    // Records beyond a (shorter) course are shown but cannot be practised.
    return std::min(records, m_lessons) - 1;
}

bool LessonOffer::CanChoose(int lesson) const
{
    return lesson >= 0 && lesson < m_lessons;
}

LessonOffer::Skip LessonOffer::SkipFrom(int rows) const
{
    if (rows < m_lessons)
        return {rows, rows};
    const int last = std::min(rows, m_lessons) - 1;
    // Without lessons the one row left is the message.
    return {-1, last >= 0 ? last : rows - 1};
}

void LessonOffer::RecordSkip(UserProfile& profile, int lesson) const
{
    profile.RecordResult(lesson, m_clock(), 0.0, 0, 0);
}
