#include "RemarkTextCheck.h"

#include "resources/TextCodec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {

bool StartsWithCapital(std::string_view text)
{
    if (text.empty())
        return false;
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (std::isupper(first))
        return true;
    // Ä Ö Ü and the German opening quote „
    for (std::string_view capital : {"Ä", "Ö", "Ü", "„"})
        if (text.substr(0, capital.size()) == capital)
            return true;
    return false;
}

// Words as runs of letters; bytes above 127 count as letters (umlauts in UTF-8).
std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u) || u >= 0x80) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void CheckWording(std::string_view text, std::vector<std::string>& problems)
{
    static const std::array<std::string_view, 15> informal = {
        "du",     "dich", "dir",  "dein", "deine", "deinen", "deinem", "deiner",
        "deines", "euch", "euer", "eure", "euren", "eurem",  "eurer"};
    static const std::array<std::string_view, 7> politeSmall = {"ihr",   "ihre",  "ihren", "ihrem",
                                                                "ihrer", "ihres", "ihnen"};
    const std::vector<std::string> words = Words(text);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string lower = Lower(words[i]);
        if (std::find(informal.begin(), informal.end(), lower) != informal.end())
            problems.push_back("informal address \"" + words[i] + "\"; the program says \"Sie\"");
        if (std::find(politeSmall.begin(), politeSmall.end(), words[i]) != politeSmall.end())
            problems.push_back("\"" + words[i] + "\" in small letters; the polite form is written \"I" +
                               words[i].substr(1) + "\"");
        if (i > 0 && lower == Lower(words[i - 1]))
            problems.push_back("word doubled: \"" + words[i - 1] + " " + words[i] + "\"");
    }
}

void CheckSpacing(std::string_view text, std::vector<std::string>& problems)
{
    if (text.find("  ") != std::string_view::npos)
        problems.push_back("two blanks in a row");
    if (text.find('\t') != std::string_view::npos)
        problems.push_back("tab character");
    for (char mark : {',', '.', ':', ';', '!', '?'})
        if (text.find(std::string(" ") + mark) != std::string_view::npos)
            problems.push_back(std::string("blank before '") + mark + "'");
    const std::string_view marks = RemarkTextCheck::kPlaceholderMarks;
    for (char c : text)
        if (marks.find(c) != std::string_view::npos) {
            problems.push_back(
                std::string("'") + c +
                "' looks like a placeholder, but the program fills in none: it would show as written");
            break;
        }
}

} // namespace

bool RemarkTextCheck::FitsWindows1250(const std::string& utf8)
{
    return TextCodec::IsValidUtf8(utf8) && TextCodec::ToUtf8(TextCodec::FromUtf8(utf8)) == utf8;
}

std::vector<std::string> RemarkTextCheck::PhraseProblems(const RemarkTable& table, const std::string& text)
{
    std::vector<std::string> problems;
    if (!FitsWindows1250(text))
        problems.push_back("characters that Windows-1250 cannot hold (the installed file would lose them)");
    if (text.front() == ' ' || text.back() == ' ')
        problems.push_back("blank at the start or the end");
    CheckSpacing(text, problems);
    if (!StartsWithCapital(text))
        problems.push_back("does not start with a capital letter");
    const char last = text.back();
    if (table.mode == 5 || table.mode == 7) {
        if (last != ':')
            problems.push_back("a phrase followed by a key list must end with ':'");
    } else if (last != '.' && last != '!' && last != '?') {
        problems.push_back("a sentence must end with '.', '!' or '?'");
    }
    CheckWording(text, problems);
    return problems;
}

std::vector<std::string> RemarkTextCheck::RemarkProblems(const std::string& remark)
{
    std::vector<std::string> problems;
    if (remark.empty()) {
        problems.push_back("empty remark");
        return problems;
    }
    std::size_t start = 0;
    while (start < remark.size()) {
        std::size_t end = remark.find("\r\n", start);
        if (end == std::string::npos)
            end = remark.size();
        std::string_view line(remark.data() + start, end - start);
        // The generator leaves one blank after every piece; it is invisible.
        if (!line.empty() && line.back() == ' ')
            line.remove_suffix(1);
        if (line.empty()) {
            problems.push_back("empty line inside the remark");
        } else {
            CheckSpacing(line, problems);
            if (!StartsWithCapital(line))
                problems.push_back("line does not start with a capital letter: " + std::string(line));
            if (line.back() == ':')
                problems.push_back("line ends with ':' but no key list follows: " + std::string(line));
        }
        start = end + 2;
    }
    return problems;
}
