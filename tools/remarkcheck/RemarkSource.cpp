#include "RemarkSource.h"

#include "resources/TextCodec.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

// The smallest random number that draws each value of a random table.
const std::array<int, 99>& RandomNumbers()
{
    static const std::array<int, 99> numbers = [] {
        std::array<int, 99> first;
        first.fill(-1);
        for (int r = 32767; r >= 0; --r)
            first[static_cast<std::size_t>(RemarkTables::RandomValue(r))] = r;
        return first;
    }();
    return numbers;
}

} // namespace

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

void RemarkSource::LoadLines(const std::vector<std::string>& utf8Lines)
{
    m_lines = utf8Lines;
    std::vector<std::string> installed;
    installed.reserve(utf8Lines.size());
    for (const std::string& line : utf8Lines)
        installed.push_back(Windows1250(line));
    m_program.LoadLines(installed);
}

std::string RemarkSource::StopReason() const
{
    switch (m_program.StopReason()) {
    case RemarkTables::Stop::NotAHeader:
        return SourceLine(StopLine()).empty() ? "empty line where a header (':') was expected"
                                              : "line where a header (':') was expected";
    case RemarkTables::Stop::NotAModeLine:
        return "line where the mode line ('#') was expected";
    case RemarkTables::Stop::None:
        break;
    }
    return {};
}

std::string RemarkSource::Generate(const RemarkInput& input, const std::vector<int>& randomValues,
                                   std::vector<RemarkStep>* trace) const
{
    std::size_t next = 0;
    const auto random = [&] {
        const int value = next < randomValues.size() ? randomValues[next++] : 0;
        return RandomNumbers()[static_cast<std::size_t>(std::clamp(value, 0, 98))];
    };
    return m_program.GenerateRemark(input, random, trace);
}

std::string RemarkSource::Utf8(const std::string& windows1250)
{
    return TextCodec::ToUtf8(windows1250);
}

std::string RemarkSource::Windows1250(const std::string& utf8)
{
    return TextCodec::FromUtf8(utf8);
}
