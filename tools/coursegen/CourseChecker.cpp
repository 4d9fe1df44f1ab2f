#include "CourseChecker.h"

#include "KeyboardCharacters.h"
#include "resources/TextCodec.h"

#include <cstdlib>
#include <regex>
#include <set>

namespace {

constexpr char kEnter = '\xA4';

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Shown(char c)
{
    std::string shown = "'";
    shown.append(TextCodec::ToUtf8(std::string(1, c)));
    shown.push_back('\'');
    return shown;
}

bool Contains(const std::string& set, char c)
{
    return set.find(c) != std::string::npos;
}

class Problems
{
public:
    explicit Problems(std::vector<std::string>& out)
        : m_out(out)
    {}
    void Add(int lineIndex, const std::string& what)
    {
        m_out.push_back("line " + std::to_string(lineIndex + 1) + ": " + what);
    }

private:
    std::vector<std::string>& m_out;
};

// Reads the header; false when its shape is wrong (the fields stay as far as read).
bool ReadHeader(const std::string& header, CourseLesson& lesson)
{
    static const std::regex shape(R"(([^:]*):([01]):(\d{1,3}\.\d\d):(\d{1,2}\.\d\d):)");
    std::smatch m;
    if (!std::regex_match(header, m, shape)) {
        return false;
    }
    lesson.newLetters = m[1].str();
    lesson.testEntry = std::atoi(m[2].str().c_str());
    lesson.speedLimit = std::atof(m[3].str().c_str());
    lesson.errorLimit = std::atof(m[4].str().c_str());
    return true;
}

} // namespace

CourseChecker::Result CourseChecker::Check(const std::string& path, const std::string& utf8, int minLessons)
{
    Result result;
    Problems problems(result.problems);
    if (utf8.empty()) {
        result.problems.push_back("the file is empty");
        return result;
    }
    if (utf8.back() != '\n') {
        result.problems.push_back("the last line has no line end");
    }
    const std::vector<std::string> raw = SplitLines(utf8);

    // Every line in Windows-1250 form; a character it cannot hold is a fault.
    std::vector<std::string> lines;
    for (size_t i = 0; i < raw.size(); ++i) {
        const std::string bytes = TextCodec::FromUtf8(raw[i]);
        if (!TextCodec::IsValidUtf8(raw[i]) || TextCodec::ToUtf8(bytes) != raw[i]) {
            problems.Add(static_cast<int>(i), "not UTF-8 text that Windows-1250 can hold");
        }
        if (raw[i].find('\r') != std::string::npos) {
            problems.Add(static_cast<int>(i), "carriage return (use plain line ends)");
        }
        lines.push_back(bytes);
    }

    const std::string identity = lines.at(0);
    result.course.identity = identity;
    if (identity.empty() || path.find(raw[0]) == std::string::npos) {
        problems.Add(0, "identity line '" + raw[0] + "' does not occur in the path " + path);
    }
    const std::string keyboard = identity.substr(0, identity.find('_'));
    const std::string typeable = KeyboardCharacters::For(keyboard);
    if (typeable.empty()) {
        problems.Add(0, "no keyboard is known for '" + keyboard + "'");
    }
    std::string known = KeyboardCharacters::Implicit(keyboard);

    std::set<std::string> titles;
    size_t i = 1;
    while (i < lines.size()) {
        const int titleLine = static_cast<int>(i);
        if (lines[i].empty()) {
            problems.Add(titleLine,
                         i == 1 ? "empty line before the first lesson"
                                : (i + 1 == lines.size() ? "empty line after the last lesson"
                                                         : "more than one empty line between lessons"));
            ++i;
            continue;
        }
        CourseLesson lesson;
        lesson.title = lines[i++];
        const std::string title = "lesson " + std::to_string(result.course.lessons.size()) + " '" +
                                  TextCodec::ToUtf8(lesson.title) + "'";
        if (static_cast<int>(lesson.title.size()) > kMaxLineLength || lesson.title.front() == ' ' ||
            Contains(lesson.title, kEnter)) {
            problems.Add(titleLine, title + ": title too long, or with a leading blank or Enter");
        }
        if (!titles.insert(lesson.title).second) {
            problems.Add(titleLine, title + ": the same title as an earlier lesson");
        }
        if (i >= lines.size() || lines[i].empty() || !ReadHeader(lines[i], lesson)) {
            problems.Add(static_cast<int>(i), title + ": header must be NewLetters:TestEntry(0|1):" +
                                                  "SpeedLimit(0.00):ErrorLimit(0.00):");
        }
        const int headerLine = static_cast<int>(i);
        if (i < lines.size() && !lines[i].empty()) {
            ++i;
        }
        if (lesson.speedLimit < kLowestSpeed || lesson.speedLimit > kHighestSpeed ||
            lesson.errorLimit < kLowestErrorLimit || lesson.errorLimit > kHighestErrorLimit) {
            problems.Add(headerLine, title + ": limits outside 60-200 keystrokes and 0.50-3.00 %");
        }

        // The header cannot carry a colon, so its lesson names it in the title instead.
        std::string introduced = lesson.newLetters;
        if (lesson.title.find("Doppelpunkt") != std::string::npos && !Contains(known, ':')) {
            introduced += ':';
        }
        for (size_t k = 0; k < introduced.size(); ++k) {
            const char c = introduced[k];
            if (!Contains(typeable, c) || Contains(known, c) || introduced.find(c) != k) {
                problems.Add(headerLine, title + ": new character " + Shown(c) +
                                             " is not typeable or was introduced before");
            }
        }
        known += introduced;

        std::set<std::string> seen;
        std::string used;
        while (i < lines.size() && !lines[i].empty()) {
            const std::string& line = lines[i];
            const int at = static_cast<int>(i);
            lesson.lines.push_back(line);
            used += line;
            if (static_cast<int>(line.size()) > kMaxLineLength) {
                problems.Add(at, title + ": " + std::to_string(line.size()) + " characters, more than 70");
            }
            if (line.back() != kEnter || line.find(kEnter) != line.size() - 1 || line.size() < 2) {
                problems.Add(at, title + ": a text line must end in Enter, and only there");
            }
            if (line.front() == ' ' || line.find("  ") != std::string::npos ||
                line.find(" \xA4") != std::string::npos) {
                problems.Add(at, title + ": leading, double or trailing blank");
            }
            if (!seen.insert(line).second) {
                problems.Add(at, title + ": the same line twice");
            }
            for (char c : line) {
                if (!Contains(typeable, c)) {
                    problems.Add(at, title + ": " + Shown(c) + " cannot be typed on " + keyboard);
                } else if (!Contains(known, c)) {
                    problems.Add(at, title + ": " + Shown(c) + " is not introduced yet");
                }
            }
            ++i;
        }
        const int count = static_cast<int>(lesson.lines.size());
        if (count < kMinLines || count > kMaxLines) {
            problems.Add(headerLine, title + ": " + std::to_string(count) + " text lines, not 5 to 12");
        }
        for (char c : introduced) {
            if (!Contains(used, c)) {
                problems.Add(headerLine, title + ": introduces " + Shown(c) + " but never uses it");
            }
        }
        result.course.lessons.push_back(std::move(lesson));
        if (i < lines.size()) {
            ++i; // the empty line that ends the lesson
            if (i == lines.size()) {
                problems.Add(static_cast<int>(i) - 1, "empty line after the last lesson");
            }
        }
    }

    const int count = static_cast<int>(result.course.lessons.size());
    if (count < minLessons) {
        result.problems.push_back(std::to_string(count) + " lessons, fewer than " +
                                  std::to_string(minLessons));
    }
    bool anyTest = false;
    for (const CourseLesson& lesson : result.course.lessons) {
        anyTest = anyTest || lesson.testEntry != 0;
    }
    if (count > 0 && !anyTest) {
        result.problems.push_back("no lesson is offered for the qualification test");
    }
    return result;
}
