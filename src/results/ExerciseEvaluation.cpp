#include "results/ExerciseEvaluation.h"

#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "resources/StringTable.h"
#include "results/KeyStatistics.h"
#include "results/ResultNumbers.h"

#include <array>
#include <cmath>
#include <ctime>

namespace {

constexpr int kCopyTheText = 117;
constexpr int kIntroduction = 118;
constexpr int kFreeTextFile = 191;
constexpr int kTimeAxis = 160;
constexpr int kErrorAxis = 161;
constexpr int kSpeedTimeAxis = 162;
constexpr int kAverageSpeedAxis = 163;
constexpr int kCurrentSpeedAxis = 164;
// The current speed is the speed over the last 15 keystrokes.
constexpr int kRing = 15;

void Label(ResultGraph& graph, std::uint32_t colour, int horizontal, int vertical)
{
    graph.lineColour = colour;
    graph.horizontalLabel = StringTable::Text(horizontal);
    graph.verticalLabel = StringTable::Text(vertical);
}

// Standard deviation of the intervals in percent of their mean, at most 99.
int RhythmScore(const std::vector<KeystrokeEntry>& keystrokes, std::int64_t intervalSum)
{
    const double n = static_cast<double>(keystrokes.size());
    const double mean = ResultNumbers::Quotient(static_cast<double>(intervalSum), n);
    if (mean == 0.0)
        return 0;
    double squares = 0.0;
    for (const KeystrokeEntry& entry : keystrokes)
        squares += (mean - entry.interval) * (mean - entry.interval);
    return std::min(ResultNumbers::Truncate(std::sqrt(squares / n) * 100.0 / mean), 99);
}

// Replaces the "%s" of `format` in turn.
std::string Fill(const std::string& format, const std::vector<std::string>& values)
{
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next < values.size()) {
            text += values[next++];
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

} // namespace

int ExerciseEvaluation::FaultIcon(double faultRate, double errorLimit)
{
    if (faultRate <= 0.0 || faultRate < 2.5 * errorLimit)
        return 0;
    if (faultRate < 5.0 * errorLimit)
        return 1;
    if (faultRate < 8.75 * errorLimit)
        return 2;
    if (faultRate < 12.5 * errorLimit)
        return 3;
    return 4;
}

int ExerciseEvaluation::SpeedIcon(int meanInterval, int limitInterval)
{
    if (limitInterval <= 0)
        return 0;
    // d < 0.4·M as 5·d < 2·M and so on: whole numbers, so the borders are exact.
    const std::int64_t d = 5 * static_cast<std::int64_t>(meanInterval);
    const std::int64_t m = limitInterval;
    if (d < 2 * m)
        return 0;
    if (d < 4 * m)
        return 1;
    if (d < 6 * m)
        return 2;
    if (d < 8 * m)
        return 3;
    return 4;
}

ExerciseEvaluation ExerciseEvaluation::Evaluate(const ExerciseRecord& record, const std::string& characters)
{
    ExerciseEvaluation e;
    e.lessonIndex = record.LessonIndex();
    e.userName = record.UserName();
    e.title = record.Title();
    e.startTime = record.StartTime();
    Label(e.errorGraph, 0xFF6464, kTimeAxis, kErrorAxis);
    Label(e.averageSpeedGraph, 0x323232, kSpeedTimeAxis, kAverageSpeedAxis);
    Label(e.currentSpeedGraph, 0x6464FF, kSpeedTimeAxis, kCurrentSpeedAxis);

    const std::vector<KeystrokeEntry>& keystrokes = record.Keystrokes();
    const int n = static_cast<int>(keystrokes.size());
    KeyStatistics statistics(characters);
    e.typedText.reserve(keystrokes.size());
    for (ResultGraph* graph : {&e.errorGraph, &e.averageSpeedGraph, &e.currentSpeedGraph})
        graph->model.Reserve(keystrokes.size());
    std::int64_t intervalSum = 0;
    int errors = 0;
    std::array<std::int32_t, kRing> ring{};
    std::int64_t ringSum = 0;
    for (int i = 0; i < n; ++i) {
        const KeystrokeEntry& entry = keystrokes[static_cast<std::size_t>(i)];
        e.typedText += entry.expected;
        statistics.Add(entry.expected, entry.typed, entry.interval);
        if (entry.typed != entry.expected)
            ++errors;
        intervalSum += entry.interval;
        const int x = ResultNumbers::Clamp(intervalSum);
        const double count = i + 1.0;
        // Keystrokes per second × 1000.
        const int average = ResultNumbers::Truncate(ResultNumbers::Quotient(count * 1e6, intervalSum));
        e.averageSpeedGraph.model.AddPoint(x, average);
        std::int32_t& slot = ring[static_cast<std::size_t>(i % kRing)];
        ringSum += static_cast<std::int64_t>(entry.interval) - slot;
        slot = entry.interval;
        e.currentSpeedGraph.model.AddPoint(
            x,
            i + 1 > kRing ? ResultNumbers::Truncate(ResultNumbers::Quotient(kRing * 1e6, ringSum)) : average);
        // Error rate in percent × 100.
        e.errorGraph.model.AddPoint(x, ResultNumbers::Truncate(100.0 * errors / count * 100.0));
    }

    if (e.lessonIndex < 0) {
        e.averageSpeedGraph.model.SetLimit(1, false);
        e.currentSpeedGraph.model.SetLimit(1, false);
        e.errorGraph.model.SetLimit(1, true);
    } else {
        const int speedLimit = record.SpeedLimit();
        e.speedLimitPerSecond = speedLimit / 60.0;
        e.errorLimit = record.ErrorRateLimit();
        const int speedLimitLine = ResultNumbers::Clamp(static_cast<std::int64_t>(speedLimit) * 1000 / 60);
        e.averageSpeedGraph.model.SetLimit(speedLimitLine, false);
        e.currentSpeedGraph.model.SetLimit(speedLimitLine, false);
        e.errorGraph.model.SetLimit(ResultNumbers::Truncate(e.errorLimit * 100.0), true);

        ValueTable& table = e.valueTable;
        table.filled = true;
        table.speedLimit = speedLimit;
        table.speed = ResultNumbers::Quotient(n * 60000.0, intervalSum);
        table.errorLimit = e.errorLimit;
        table.errorRate = ResultNumbers::Quotient(errors * 100.0, n);
        table.typingSeconds = intervalSum / 1000;
        table.typedPercent = ResultNumbers::Quotient(n * 100.0, record.TotalCharacters());
        table.characters = record.TotalCharacters();
        table.keystrokes = n;
        table.faults = errors;

        e.scores.speedScore = ResultScores::SpeedScore(table.speed, speedLimit);
        e.scores.errorScore = ResultScores::ErrorScore(table.errorRate, e.errorLimit);
        e.scores.percentTyped = ResultNumbers::Truncate(table.typedPercent);
        e.scores.rhythmScore = RhythmScore(keystrokes, intervalSum);
    }

    // Milliseconds per keystroke at the speed limit.
    const int limitInterval = e.lessonIndex >= 0 && record.SpeedLimit() > 0 ? 60000 / record.SpeedLimit() : 0;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char c = characters[i];
        // A character the set holds twice is one key.
        if (statistics.Position(c) != static_cast<int>(i))
            continue;
        const int meanInterval = statistics.MeanInterval(c);
        if (meanInterval <= 0)
            continue;
        KeyRow row;
        row.character = c;
        row.faultIcon = FaultIcon(statistics.FaultRate(c), e.errorLimit);
        row.speedIcon = SpeedIcon(meanInterval, limitInterval);
        row.meanInterval = meanInterval * 0.001;
        row.wrongCharacters = statistics.WrongCharacters(c);
        row.faults = statistics.Faults(c);
        row.keystrokes = statistics.Keystrokes(c);
        e.keyRows.push_back(std::move(row));
    }
    e.faultsList = KeyList::Fill(KeyListKind::Faults, e.keyRows);
    e.speedList = KeyList::Fill(KeyListKind::Speeds, e.keyRows);
    return e;
}

RemarkInput ExerciseEvaluation::RemarkValues() const
{
    return RemarkInput{scores.speedScore,  scores.errorScore,  faultsList.keysText,
                       scores.rhythmScore, speedList.keysText, scores.percentTyped};
}

std::string ExerciseEvaluation::Remark(const RemarkTables& tables,
                                       const RemarkTables::RandomNumber& random) const
{
    if (scores.percentTyped <= 2)
        return StringTable::Text(kCopyTheText);
    return tables.GenerateRemark(RemarkValues(), random);
}

std::string ExerciseEvaluation::Introduction(const std::string& remark) const
{
    const std::time_t time = static_cast<std::time_t>(startTime);
    std::tm local{};
    char date[32] = "";
    if (::localtime_r(&time, &local))
        std::strftime(date, sizeof date, "%d.%m.%Y", &local);
    const std::string lesson =
        lessonIndex == FREE_TEXT_LESSON ? StringTable::Text(kFreeTextFile) : std::to_string(lessonIndex + 1);
    return Fill(StringTable::Text(kIntroduction), {date, userName, lesson, title}) + remark;
}
