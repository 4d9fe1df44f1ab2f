#include "exercise/RemarkTables.h"

#include "exercise/DataFields.h"
#include "exercise/LineFile.h"
#include "resources/ProgramPaths.h"

#include <algorithm>

namespace {

// 99 / 32777: turns rand's 0 to 32767 into 0 to 98.
constexpr double kRandomScale = 0.0030204106538121245;

} // namespace

std::string RemarkTables::InstalledPath()
{
    return ProgramFilePath("config", "textinfo.ddd");
}

bool RemarkTables::LoadFile(const std::string& path)
{
    LineFile file;
    if (!file.LoadLines(path)) {
        LoadLines({});
        return false;
    }
    LoadLines(file.Lines());
    return true;
}

void RemarkTables::LoadLines(const std::vector<std::string>& lines)
{
    m_tables.clear();
    m_groupCount = 0;
    m_stopLine = 0;
    m_stop = Stop::None;

    enum class Expect
    {
        Header,
        Mode,
        Phrase
    };
    Expect expect = Expect::Header;
    std::vector<int> previousGroup;
    std::vector<int> currentGroup;
    int k = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int lineNumber = static_cast<int>(i) + 1;
        if (expect == Expect::Header) {
            if (line.empty() || line[0] != ':') {
                m_stopLine = lineNumber;
                m_stop = Stop::NotAHeader;
                return;
            }
            if (m_tables.empty() || line != m_tables.back().header) {
                previousGroup = std::move(currentGroup);
                currentGroup.clear();
                ++m_groupCount;
            }
            currentGroup.push_back(static_cast<int>(m_tables.size()));
            m_tables.push_back(RemarkTable{line, 0, m_groupCount - 1, lineNumber, {}});
            k = 0;
            expect = Expect::Mode;
        } else if (expect == Expect::Mode) {
            if (line.empty() || line[0] != '#') {
                m_stopLine = lineNumber;
                m_stop = Stop::NotAModeLine;
                return;
            }
            std::string digits = line;
            std::erase(digits, '#');
            m_tables.back().mode = DataFields::ToInt(digits);
            expect = Expect::Phrase;
        } else if (line.empty()) {
            expect = Expect::Header;
        } else {
            RemarkTable& table = m_tables.back();
            const int n = static_cast<int>(previousGroup.size());
            int link = -1;
            if (n > 0)
                link = table.mode > 0 ? previousGroup[static_cast<std::size_t>(std::min(k, n - 1))]
                                      : previousGroup[0];
            table.phrases.push_back(RemarkPhrase{line, link, lineNumber});
            if (table.mode > 0)
                ++k;
        }
    }
}

RemarkTables::Value RemarkTables::ValueOf(int mode)
{
    switch (mode) {
    case 1:
        return Value::MeanOfSpeedAndError;
    case 2:
        return Value::Speed;
    case 4:
    case 5:
        return Value::Error;
    case 6:
    case 7:
        return Value::Rhythm;
    case 8:
        return Value::Completion;
    default:
        return mode <= 0 ? Value::Random : Value::Previous;
    }
}

int RemarkTables::PickIndex(int value, int phraseCount)
{
    if (phraseCount <= 0)
        return -1;
    const int index = static_cast<int>(static_cast<double>(value) / (100.0 / phraseCount));
    // A negative value (a negative limit in a statistics file) must not index before the first phrase.
    return std::clamp(index, 0, phraseCount - 1);
}

int RemarkTables::RandomValue(int randomNumber)
{
    return static_cast<int>(randomNumber * kRandomScale);
}

bool RemarkTables::AppendPhrase(std::string& remark, const std::string& phrase, int mode,
                                const RemarkInput& input, std::string* segment)
{
    const std::string* keys = mode == 5 ? &input.faultKeysText : mode == 7 ? &input.slowKeysText : nullptr;
    if (keys && keys->empty())
        return false;
    const std::size_t start = remark.size();
    remark += phrase;
    remark += ' ';
    if (keys)
        remark += *keys;
    if (segment)
        segment->assign(remark, start);
    return true;
}

void RemarkTables::BreakAfterSentence(std::string& remark)
{
    const std::size_t size = remark.size();
    if (size > 1 && (remark[size - 1] == '.' || remark[size - 2] == '.'))
        remark += "\r\n";
}

std::string RemarkTables::GenerateRemark(const RemarkInput& input, const RandomNumber& random,
                                         std::vector<RemarkStep>* trace) const
{
    std::string remark;
    // The first table has no previous value; it reuses 0.
    int previous = 0;
    int current = static_cast<int>(m_tables.size()) - 1;
    // Links lead to the group before only, so every chain ends.
    while (current >= 0) {
        const RemarkTable& table = m_tables[static_cast<std::size_t>(current)];
        int value = previous;
        switch (ValueOf(table.mode)) {
        case Value::Random:
            value = RandomValue(random ? random() : 0);
            break;
        case Value::MeanOfSpeedAndError:
            value = (input.errorScore + input.speedScore) / 2;
            break;
        case Value::Speed:
            value = input.speedScore;
            break;
        case Value::Error:
            value = input.errorScore;
            break;
        case Value::Rhythm:
            value = input.rhythmScore;
            break;
        case Value::Completion:
            value = input.percentTyped;
            break;
        case Value::Previous:
            break;
        }
        value = std::min(value, 99);
        previous = value;

        RemarkStep step;
        step.table = current;
        step.value = value;
        step.phrase = PickIndex(value, static_cast<int>(table.phrases.size()));
        static const std::string none;
        const RemarkPhrase* phrase =
            step.phrase >= 0 ? &table.phrases[static_cast<std::size_t>(step.phrase)] : nullptr;
        step.appended = AppendPhrase(remark, phrase ? phrase->text : none, table.mode, input, &step.segment);
        BreakAfterSentence(remark);
        current = phrase ? phrase->link : -1;
        if (trace)
            trace->push_back(std::move(step));
    }
    return remark;
}
