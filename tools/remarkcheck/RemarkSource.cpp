#include "RemarkSource.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

bool RemarkSource::LoadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (file.bad())
        return false;
    LoadLines(lines);
    return true;
}

void RemarkSource::LoadLines(const std::vector<std::string>& lines)
{
    m_lines = lines;
    m_tables.clear();
    m_groupCount = 0;
    m_stopLine = 0;
    m_stopReason.clear();

    enum class Expect
    {
        Header,
        Mode,
        Phrase
    };
    Expect expect = Expect::Header;
    std::vector<int> previousGroup;
    std::vector<int> currentGroup;
    std::string previousHeader;
    bool haveHeader = false; // before the first table the previous header matches nothing
    int k = 0;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int lineNumber = static_cast<int>(i) + 1;
        if (expect == Expect::Header) {
            if (line.empty() || line[0] != ':') {
                m_stopLine = lineNumber;
                m_stopReason = line.empty() ? "empty line where a header (':') was expected"
                                            : "line where a header (':') was expected";
                return;
            }
            RemarkTable table;
            table.header = line;
            table.line = lineNumber;
            if (!haveHeader || line != previousHeader) {
                previousGroup = currentGroup;
                currentGroup.clear();
                ++m_groupCount;
            }
            table.group = m_groupCount - 1;
            haveHeader = true;
            previousHeader = line;
            currentGroup.push_back(static_cast<int>(m_tables.size()));
            m_tables.push_back(table);
            k = 0;
            expect = Expect::Mode;
        } else if (expect == Expect::Mode) {
            if (line.empty() || line[0] != '#') {
                m_stopLine = lineNumber;
                m_stopReason = "line where the mode line ('#') was expected";
                return;
            }
            std::string digits;
            for (char c : line)
                if (c != '#')
                    digits += c;
            m_tables.back().mode = std::atoi(digits.c_str());
            expect = Expect::Phrase;
        } else if (line.empty()) {
            expect = Expect::Header;
        } else {
            RemarkTable& table = m_tables.back();
            RemarkPhrase phrase;
            phrase.text = line;
            phrase.line = lineNumber;
            const int n = static_cast<int>(previousGroup.size());
            if (n > 0)
                phrase.link = table.mode > 0 ? previousGroup[std::min(k, n - 1)] : previousGroup[0];
            table.phrases.push_back(phrase);
            if (table.mode > 0)
                ++k;
        }
    }
}

int RemarkSource::PickIndex(int value, int phraseCount)
{
    if (phraseCount <= 0)
        return -1;
    const int index = static_cast<int>(static_cast<double>(value) / (100.0 / phraseCount));
    return std::min(index, phraseCount - 1);
}

bool RemarkSource::AppendPhrase(std::string& remark, const std::string& phrase, int mode,
                                const RemarkInput& input, std::string* segment)
{
    const std::string* keys = nullptr;
    if (mode == 5)
        keys = &input.faultKeys;
    else if (mode == 7)
        keys = &input.slowKeys;
    if (keys && keys->empty())
        return false;
    std::string added = phrase + " ";
    if (keys)
        added += *keys;
    remark += added;
    if (segment)
        *segment = added;
    return true;
}

void RemarkSource::BreakAfterSentence(std::string& remark)
{
    const std::size_t size = remark.size();
    if (size > 1 && (remark[size - 1] == '.' || remark[size - 2] == '.'))
        remark += "\r\n";
}

std::string RemarkSource::Generate(const RemarkInput& input, const std::vector<int>& randomValues,
                                   std::vector<Step>* trace, bool* ended, int stepLimit) const
{
    std::string remark;
    if (ended)
        *ended = true;
    if (m_tables.empty())
        return remark;
    std::size_t nextRandom = 0;
    int previousValue = 0; // the first table has no previous value; the program's choice is open
    int current = static_cast<int>(m_tables.size()) - 1;
    for (int steps = 0; current >= 0; ++steps) {
        if (steps >= stepLimit) {
            if (ended)
                *ended = false;
            break;
        }
        const RemarkTable& table = m_tables[current];
        int value = 0;
        const int mode = table.mode;
        if (IsRandom(mode))
            value = nextRandom < randomValues.size() ? randomValues[nextRandom++] : 0;
        else if (mode == 1)
            value = (input.error + input.speed) / 2;
        else if (mode == 2)
            value = input.speed;
        else if (mode == 4 || mode == 5)
            value = input.error;
        else if (mode == 6 || mode == 7)
            value = input.rhythm;
        else if (mode == 8)
            value = input.completion;
        else
            value = previousValue;
        if (value >= 100)
            value = 99;
        previousValue = value;

        Step step;
        step.table = current;
        step.value = value;
        const int n = static_cast<int>(table.phrases.size());
        int link = -1;
        std::string text;
        if (n > 0) {
            step.phrase = PickIndex(value, n);
            text = table.phrases[step.phrase].text;
            link = table.phrases[step.phrase].link;
        }
        step.appended = AppendPhrase(remark, text, mode, input, &step.segment);
        BreakAfterSentence(remark);
        if (trace)
            trace->push_back(step);
        current = link;
    }
    return remark;
}
