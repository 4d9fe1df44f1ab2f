#pragma once

#include <cstdint>
#include <functional>

class UserProfile;

// Which lessons the lesson choice offers: one row per lesson reached, the next lesson once
// the last one reached has a completed result, and what a skip of the last lesson leads
// to. Rows are lesson indices; `lessons` is the number of lessons of the course.
class LessonOffer
{
public:
    // Seconds since 1970, the date a skipped lesson's record gets.
    using Clock = std::function<std::int64_t()>;
    static Clock SystemClock();

    // The progress icon of a lesson without a completed result.
    static constexpr int kNoResultIcon = 5;

    // The columns of a lesson without a record: result, date, practice time, attempts.
    static constexpr const char* kNoResultText = "...";
    static constexpr const char* kNoDateText = "........";
    static constexpr const char* kNoTimeText = "00:00";
    static constexpr const char* kNoAttemptsText = "0";

    explicit LessonOffer(int lessons, Clock clock = SystemClock());

    // A course without lessons: the list holds only the message that says so.
    bool IsEmpty() const { return m_lessons < 1; }

    // Whether a row for lesson `records` follows the rows of the user's `records`
    // records, the last of which shows `lastIcon` (not looked at without records).
    bool OffersNextLesson(int records, int lastIcon) const;
    // The row selected when the list is filled; -1 for none.
    int FirstSelection(int records, int lastIcon) const;
    // Whether a row's lesson can be practised: records beyond a shorter course cannot.
    bool CanChoose(int lesson) const;

    struct Skip
    {
        // The lesson whose row (and empty record) the skip adds; -1 for none.
        int addedLesson;
        // The row selected afterwards; -1 for none.
        int selectedRow;
    };
    // A skip while the list holds `rows` rows.
    Skip SkipFrom(int rows) const;
    // Gives the user one more record, the empty one of the skipped `lesson`, dated now.
    void RecordSkip(UserProfile& profile, int lesson) const;

private:
    int m_lessons;
    Clock m_clock;
};
