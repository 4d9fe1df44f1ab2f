#include "exercise/ExerciseRecord.h"

#include "exercise/DataFields.h"
#include "exercise/LineFile.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <ctime>

namespace {

constexpr int kStatisticsMagic = 899;
// Line 9 on: one keystroke per line.
constexpr int kFirstKeystrokeLine = 8;

// ':' separates fields, so inside a keystroke line it is written as '~'.
char EscapeColon(char c)
{
    return c == ':' ? '~' : c;
}

char UnescapeColon(char c)
{
    return c == '~' ? ':' : c;
}

std::string FormatFixed3(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

// A keystroke line: "interval:expected:" or "interval:expected:typed:".
bool ParseKeystroke(std::string line, KeystrokeEntry& entry)
{
    std::string field;
    if (!DataFields::TakeField(line, field)) {
        return false;
    }
    const long interval = DataFields::ToLong(field);
    if (!DataFields::TakeField(line, field)) {
        return false;
    }
    entry.interval = static_cast<std::int32_t>(std::clamp<long>(interval, INT32_MIN, INT32_MAX));
    entry.expected = UnescapeColon(DataFields::ToChar(field));
    entry.typed = entry.expected;
    if (DataFields::TakeField(line, field)) {
        entry.typed = UnescapeColon(DataFields::ToChar(field));
    }
    return true;
}

} // namespace

ExerciseRecord::ExerciseRecord()
    : m_startTime(static_cast<std::int64_t>(std::time(nullptr)))
{}

void ExerciseRecord::BeginExercise(int lessonIndex, const std::string& userName, double errorRateLimit,
                                   int speedLimit, const std::string& title, std::int32_t totalCharacters,
                                   std::int64_t startTime)
{
    m_keystrokes.clear();
    m_lessonIndex = lessonIndex;
    m_userName = userName;
    m_errorRateLimit = errorRateLimit;
    m_speedLimit = speedLimit;
    m_title = title;
    m_totalCharacters = totalCharacters;
    m_startTime = startTime;
}

void ExerciseRecord::AddKeystroke(char expected, char typed, std::int32_t interval)
{
    m_keystrokes.push_back(KeystrokeEntry{interval, expected, typed});
}

bool ExerciseRecord::EntryAt(int i, std::int32_t& interval, char& expected, char& typed) const
{
    if (i < 0 || i >= EntryCount()) {
        return false;
    }
    const KeystrokeEntry& entry = m_keystrokes[static_cast<std::size_t>(i)];
    interval = entry.interval;
    expected = entry.expected;
    typed = entry.typed;
    return true;
}

bool ExerciseRecord::SaveStatistics(const std::string& path) const
{
    LineFile file;
    file.AddLine(StringTable::Text(kStatisticsMagic));
    file.AddLine(std::to_string(m_startTime));
    file.AddLine(m_userName);
    file.AddLine(std::to_string(m_lessonIndex));
    file.AddLine(m_title);
    file.AddLine(FormatFixed3(m_errorRateLimit));
    file.AddLine(std::to_string(m_speedLimit));
    file.AddLine(std::to_string(m_totalCharacters));
    for (const KeystrokeEntry& entry : m_keystrokes) {
        std::string line = std::to_string(entry.interval);
        line += ':';
        line += EscapeColon(entry.expected);
        line += ':';
        if (entry.typed != entry.expected) {
            line += EscapeColon(entry.typed);
            line += ':';
        }
        file.AddLine(std::move(line));
    }
    return file.SaveLines(path);
}

bool ExerciseRecord::LoadStatistics(const std::string& path)
{
    LineFile file;
    if (!file.LoadLines(path, LineFileLimits::kStatisticsFileBytes)) {
        return false;
    }
    m_keystrokes.clear();
    if (file.LineAt(0) != StringTable::Text(kStatisticsMagic)) {
        return false;
    }
    m_startTime = DataFields::ToLong(file.LineAt(1));
    m_userName = file.LineAt(2);
    m_lessonIndex = DataFields::ToInt(file.LineAt(3));
    m_title = file.LineAt(4);
    m_errorRateLimit = DataFields::ToReal(file.LineAt(5));
    m_speedLimit = DataFields::ToInt(file.LineAt(6));
    m_totalCharacters = DataFields::ToInt(file.LineAt(7));

    m_keystrokes.reserve(static_cast<std::size_t>(std::max(file.LineCount() - kFirstKeystrokeLine, 0)));
    KeystrokeEntry entry;
    for (int i = kFirstKeystrokeLine; ParseKeystroke(file.LineAt(i), entry); ++i) {
        m_keystrokes.push_back(entry);
    }
    return true;
}
