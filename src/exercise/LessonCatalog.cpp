#include "exercise/LessonCatalog.h"

#include "exercise/DataFields.h"
#include "exercise/LimitDialogPrompt.h"
#include "exercise/LineFile.h"
#include "exercise/PendingText.h"
#include "exercise/TypeableCharacters.h"
#include "resources/ProgramPaths.h"
#include "resources/StringTable.h"
#include "resources/TextCodec.h"
#include "rtf/RtfTextReader.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

constexpr int kFreeTextTitle = 116;
// A text to copy-type is small; anything beyond this is not a text file for practice,
// and reading it whole would only cost memory.
constexpr size_t kMaxImportBytes = 16 * 1024 * 1024;

// Builds the result in one pass: replacing in place would move the tail of a large
// text once per occurrence.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    size_t pos = text.find(from);
    if (pos == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (; pos != std::string::npos; pos = text.find(from, start)) {
        result.append(text, start, pos - start);
        result.append(to);
        start = pos + from.size();
    }
    result.append(text, start, std::string::npos);
    text = std::move(result);
}

// Tabs become spaces, runs of up to four spaces one, and what the keyboard cannot type goes.
void CleanLine(std::string& line, const TypeableCharacters& typeable)
{
    std::replace(line.begin(), line.end(), '\t', ' ');
    ReplaceAll(line, "  ", " ");
    ReplaceAll(line, "  ", " ");
    line.erase(
        std::remove_if(line.begin(), line.end(), [&typeable](char c) { return !typeable.Contains(c); }),
        line.end());
}

std::string Lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Reads a plain-text file as the text mode of the C library would (CR LF becomes LF,
// byte 26 ends the text) and splits it into lines. UTF-8 files are converted to the
// program's Windows-1250 first. False when the file cannot be opened, read or is too large;
// the lines read before that are delivered all the same.
bool ReadPlainTextLines(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // What the file holds, up to one byte past the limit (which tells a file too large).
    std::string data;
    std::error_code sizeUnknown;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeUnknown);
    if (!sizeUnknown)
        data.reserve(static_cast<size_t>(std::min<std::uintmax_t>(size, kMaxImportBytes + 1)));
    char piece[65536];
    while (in && data.size() <= kMaxImportBytes) {
        const size_t room = kMaxImportBytes + 1 - data.size();
        in.read(piece, static_cast<std::streamsize>(std::min(sizeof piece, room)));
        data.append(piece, static_cast<size_t>(in.gcount()));
    }
    bool ok = in.eof() && !in.bad();
    if (data.size() > kMaxImportBytes) {
        data.resize(kMaxImportBytes);
        ok = false;
    }
    if (const auto eof = data.find('\x1A'); eof != std::string::npos)
        data.resize(eof);
    ReplaceAll(data, "\r\n", "\n");
    if (!TextCodec::IsAscii(data) && TextCodec::IsValidUtf8(data))
        data = TextCodec::FromUtf8(data);
    size_t start = 0;
    while (start < data.size()) {
        const size_t end = data.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(data.substr(start));
            break;
        }
        lines.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return ok;
}

} // namespace

LessonCatalog::LessonCatalog(const TypeableCharacters& typeable, CourseProvider provider)
    : m_typeable(typeable)
    , m_courseProvider(std::move(provider))
    , m_timeLimit(InitialTimeLimit())
{}

LessonCatalog::~LessonCatalog() = default;

long LessonCatalog::InitialTimeLimit()
{
    // 9 June 1999, 23:55:55 local time: a limit no exercise reaches.
    std::tm when{};
    when.tm_year = 1999 - 1900;
    when.tm_mon = 5;
    when.tm_mday = 9;
    when.tm_hour = 23;
    when.tm_min = 55;
    when.tm_sec = 55;
    when.tm_isdst = -1;
    return static_cast<long>(std::mktime(&when));
}

std::string LessonCatalog::CoursePath() const
{
    const Course course = m_courseProvider ? m_courseProvider() : Course{"00000407", "_a"};
    return ProgramFilePath("lessons", course.keyboardId + course.lessonSet + ".ddd");
}

bool LessonCatalog::ReloadLessons()
{
    return ReadCourse(CoursePath());
}

bool LessonCatalog::ReloadLessonsFrom(const std::string& path)
{
    return ReadCourse(path);
}

const std::vector<std::unique_ptr<Lesson>>& LessonCatalog::Lessons() const
{
    if (!m_lessonsRead)
        ReadCourse(CoursePath());
    return m_lessons;
}

bool LessonCatalog::ReadCourse(const std::string& path) const
{
    m_lessonsRead = true;
    m_lessons.clear();
    LineFile file;
    std::string line;
    // A file without an identity line is no course at all, not one empty lesson.
    if (!file.LoadIdentifiedLines(path, line) || line.empty())
        return false;

    bool endedByEmptyLine = true;
    while (endedByEmptyLine) {
        endedByEmptyLine = false;
        auto lesson = std::make_unique<Lesson>(static_cast<int>(m_lessons.size()));
        Lesson& current = *lesson;
        m_lessons.push_back(std::move(lesson));
        enum class Expect
        {
            Title,
            Header,
            Text
        } expect = Expect::Title;
        while (file.NextLine(line)) {
            if (line.empty()) {
                if (expect == Expect::Title)
                    continue;
                endedByEmptyLine = true;
                break;
            }
            switch (expect) {
            case Expect::Title:
                current.title = line;
                expect = Expect::Header;
                break;
            case Expect::Header: {
                std::string field;
                if (DataFields::TakeField(line, field)) {
                    current.NewLetters = field;
                    if (DataFields::TakeField(line, field)) {
                        current.TestEntry = DataFields::ToInt(field);
                        if (DataFields::TakeField(line, field)) {
                            current.SpeedLimit = DataFields::ToReal(field);
                            if (DataFields::TakeField(line, field))
                                current.ErrorLimit = DataFields::ToReal(field);
                        }
                    }
                }
                expect = Expect::Text;
                break;
            }
            case Expect::Text:
                current.lines.push_back(line);
                break;
            }
        }
    }
    return true;
}

int LessonCatalog::LessonCount() const
{
    return static_cast<int>(Lessons().size());
}

const Lesson* LessonCatalog::LessonAt(int index) const
{
    if (index < 0 || index >= LessonCount())
        return nullptr;
    return m_lessons[static_cast<size_t>(index)].get();
}

std::string LessonCatalog::LessonTitle(int index) const
{
    if (index == FREE_TEXT_LESSON) {
        std::string title = StringTable::Text(kFreeTextTitle);
        title.erase(std::remove(title.begin(), title.end(), '\n'), title.end());
        return title;
    }
    const Lesson* lesson = LessonAt(index);
    return lesson ? lesson->title : std::string();
}

std::string LessonCatalog::LessonLine(int index, int n) const
{
    if (index == FREE_TEXT_LESSON)
        return n >= 0 && n < static_cast<int>(m_freeText.size()) ? m_freeText[static_cast<size_t>(n)]
                                                                 : std::string();
    const Lesson* lesson = LessonAt(index);
    if (!lesson)
        return {};
    return n >= 0 && n < static_cast<int>(lesson->lines.size()) ? lesson->lines[static_cast<size_t>(n)]
                                                                : std::string(" ");
}

int LessonCatalog::LessonLineCount(int index) const
{
    if (index == FREE_TEXT_LESSON)
        return static_cast<int>(m_freeText.size());
    const Lesson* lesson = LessonAt(index);
    return lesson ? static_cast<int>(lesson->lines.size()) : 0;
}

int LessonCatalog::LessonCharCount(int index) const
{
    const std::vector<std::string>* lines = &m_freeText;
    if (index != FREE_TEXT_LESSON) {
        const Lesson* lesson = LessonAt(index);
        if (!lesson)
            return 0;
        lines = &lesson->lines;
    }
    size_t count = 0;
    for (const auto& line : *lines)
        count += line.size();
    return static_cast<int>(count);
}

double LessonCatalog::SpeedLimit(int index) const
{
    if (index == FREE_TEXT_LESSON)
        return m_freeSpeedLimit;
    const Lesson* lesson = LessonAt(index);
    return lesson ? lesson->SpeedLimit : 0.0;
}

double LessonCatalog::ErrorLimit(int index) const
{
    if (index == FREE_TEXT_LESSON)
        return m_freeErrorLimit;
    const Lesson* lesson = LessonAt(index);
    return lesson ? lesson->ErrorLimit : 0.0;
}

std::string LessonCatalog::NewLetters(int index) const
{
    const Lesson* lesson = LessonAt(index);
    return lesson ? lesson->NewLetters : std::string();
}

int LessonCatalog::TestEntry(int index) const
{
    const Lesson* lesson = LessonAt(index);
    return lesson ? lesson->TestEntry : 0;
}

LimitValues LessonCatalog::OpenLimitDialog()
{
    const LimitValues values;
    m_freeSpeedLimit = values.speedLimit;
    m_freeErrorLimit = values.errorLimit;
    m_timeLimit = values.minutes * 60L;
    return values;
}

void LessonCatalog::ConfirmLimitDialog(const LimitValues& values)
{
    m_freeSpeedLimit = values.speedLimit;
    m_freeErrorLimit = values.errorLimit;
    m_timeLimit = values.minutes * 60L;
}

bool LessonCatalog::ImportText(const std::string& path, LimitDialogPrompt& prompt)
{
    LimitValues values = OpenLimitDialog();
    if (!prompt.Edit(values) || !values.ValidationMessage().empty())
        return false;
    ConfirmLimitDialog(values);

    m_freeText.clear();
    bool ok = true;
    try {
        if (Lowered(path).find(".rtf") != std::string::npos)
            ReadRtfLines(path, m_freeText, kLineWidth);
        else if (m_textReader)
            ok = m_textReader(path, m_freeText);
        else
            ok = ReadPlainTextLines(path, m_freeText);
        NormaliseLines(m_freeText, m_typeable);
    } catch (const std::exception&) {
        // Out of memory, most likely: a half-cleaned text is no use, and the memory is.
        std::vector<std::string>().swap(m_freeText);
        throw;
    }
    return ok;
}

void LessonCatalog::SetTextReaderForTesting(TextReader reader)
{
    m_textReader = std::move(reader);
}

void LessonCatalog::NormaliseLines(std::vector<std::string>& lines, const TypeableCharacters& typeable)
{
    // The overflow of a wrapped line goes in front of the next line and is cleaned with
    // it. Text that a run of long lines carries along is cleaned once more with every
    // line; it is kept in a PendingText, so that this costs only what still changes.
    std::vector<std::string> out;
    PendingText pending;
    std::string text;
    size_t next = 0;
    while (next < lines.size() || !pending.Empty()) {
        // Where the carried text meets the next line, both are cleaned as one.
        text.assign(pending.TakeTrailingSpaces(), ' ');
        pending.ShortenSpaceRuns();
        if (next < lines.size()) {
            text += lines[next];
            std::string().swap(lines[next++]);
        }
        CleanLine(text, typeable);
        pending.Append(text);

        std::string line = pending.Front(kLineWidth + 1);
        if (line.size() <= static_cast<size_t>(kLineWidth)) {
            pending.Clear();
            if (!line.empty())
                out.push_back(std::move(line));
            continue;
        }
        line.resize(kLineWidth);
        const size_t space = line.rfind(' ');
        if (space == std::string::npos) {
            // The overflow of a line without a space in its first 70 characters is lost.
            pending.Clear();
            out.push_back(std::move(line));
            continue;
        }
        pending.DropFront(space + 1);
        pending.Append(" ");
        // A line that began with its only space would be left empty; practice text
        // never holds an empty line.
        if (space > 0)
            out.emplace_back(line, 0, space);
    }
    lines = std::move(out);
}
