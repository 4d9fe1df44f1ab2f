#pragma once

#include "exercise/Lesson.h"
#include "exercise/LimitValues.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class LimitDialogPrompt;
class TypeableCharacters;

// The index that stands for the imported free text.
inline constexpr int FREE_TEXT_LESSON = 1111;

// The lessons of the current user's keyboard and lesson set, plus the imported free
// text. Everything that shows or runs a lesson asks it by index; an index that is
// neither a lesson nor FREE_TEXT_LESSON gives a neutral answer. One per session, owned
// by the application and lent to whoever needs it.
class LessonCatalog
{
public:
    // Which course the current user has: keyboard id and lesson-set suffix.
    struct Course
    {
        std::string keyboardId;
        std::string lessonSet;
    };
    using CourseProvider = std::function<Course()>;

    // A fresh catalogue: time limit at its initial value, no file read yet. The first
    // question about a lesson loads the course `provider` names then (without one,
    // "00000407" "_a"), unless a reload came first; the catalogue is made before the
    // login, when nobody knows the user's course. The imported text keeps only the
    // characters in `typeable`, which must outlive the catalogue.
    explicit LessonCatalog(const TypeableCharacters& typeable, CourseProvider provider = {});
    ~LessonCatalog();

    // Reloads the lessons from lessons/<keyboardId><lessonSet>.ddd of the program folder.
    // False (and no lessons) when the file is missing, damaged or not the course it is named after.
    bool ReloadLessons();
    // The same from an explicit file; its identity line must occur in `path`.
    bool ReloadLessonsFrom(const std::string& path);

    int LessonCount() const;
    std::string LessonTitle(int index) const;
    std::string LessonLine(int index, int n) const;
    int LessonLineCount(int index) const;
    int LessonCharCount(int index) const;
    double SpeedLimit(int index) const;
    double ErrorLimit(int index) const;
    std::string NewLetters(int index) const;
    int TestEntry(int index) const;

    // Seconds an exercise may last; only the free text is checked against it.
    long TimeLimit() const { return m_timeLimit; }
    void SetTimeLimit(long seconds) { m_timeLimit = seconds; }

    // Asks for the free-text limits and, when confirmed, replaces the free text with
    // the normalised text of the file (RTF when the name contains ".rtf"). False when
    // the prompt is cancelled or a plain-text file cannot be read (the lines read so far
    // stay). RTF file errors propagate as RtfFileError; any other fault (out of memory)
    // as std::exception, with the free text emptied.
    bool ImportText(const std::string& path, LimitDialogPrompt& prompt);

    // Reads a plain-text file into lines, false when it cannot be read; a test puts in
    // one that fails. An empty reader restores the program's own.
    using TextReader = std::function<bool(const std::string& path, std::vector<std::string>& lines)>;
    void SetTextReaderForTesting(TextReader reader);

    // The limit dialog's own effect on the catalogue, for the window that shows it:
    // opening writes the defaults and sets the time limit from the minutes shown;
    // confirming stores the values.
    LimitValues OpenLimitDialog();
    void ConfirmLimitDialog(const LimitValues& values);

    const std::vector<std::string>& FreeTextLines() const { return m_freeText; }
    void SetFreeTextLines(std::vector<std::string> lines) { m_freeText = std::move(lines); }
    double FreeTextSpeedLimit() const { return m_freeSpeedLimit; }
    double FreeTextErrorLimit() const { return m_freeErrorLimit; }

    // The import's clean-up of free text: tabs, runs of spaces, untypeable characters,
    // empty lines and the 70-character wrap.
    static void NormaliseLines(std::vector<std::string>& lines, const TypeableCharacters& typeable);

    static constexpr int kLineWidth = 70;

private:
    const Lesson* LessonAt(int index) const;
    static long InitialTimeLimit();
    std::string CoursePath() const;
    // The lessons, read on first use. Loading fills the lessons of a const catalogue too:
    // to its callers the catalogue has had its course from the start.
    const std::vector<std::unique_ptr<Lesson>>& Lessons() const;
    bool ReadCourse(const std::string& path) const;

    const TypeableCharacters& m_typeable;
    CourseProvider m_courseProvider;
    TextReader m_textReader;
    mutable std::vector<std::unique_ptr<Lesson>> m_lessons;
    mutable bool m_lessonsRead = false;
    std::vector<std::string> m_freeText;
    double m_freeSpeedLimit = 0;
    double m_freeErrorLimit = 0;
    long m_timeLimit;
};
