#include "TextComposer.h"

TextComposer::TextComposer(std::uint32_t seed)
    : m_engine(seed)
{}

size_t TextComposer::Below(size_t n)
{
    return n == 0 ? 0 : static_cast<size_t>(m_engine() % n);
}

int TextComposer::Between(int low, int high)
{
    return low + static_cast<int>(Below(static_cast<size_t>(high - low + 1)));
}

std::string TextComposer::TokenLine(const std::function<std::string()>& next, int width)
{
    std::string line;
    std::string previous;
    // Bounded: a token source that never fits ends the line after enough misses.
    for (int misses = 0; misses < 40;) {
        const std::string token = next();
        if (token.empty() || token == previous) {
            ++misses;
            continue;
        }
        const size_t length = line.size() + (line.empty() ? 0 : 1) + token.size();
        if (static_cast<int>(length) > width) {
            ++misses;
            continue;
        }
        line += (line.empty() ? "" : " ") + token;
        previous = token;
    }
    return line.empty() ? line : line + kEnter;
}

std::string TextComposer::CycleLine(const std::vector<std::string>& tokens, int width)
{
    std::string line;
    for (size_t i = 0; !tokens.empty(); ++i) {
        const std::string& token = tokens[i % tokens.size()];
        if (static_cast<int>(line.size() + (line.empty() ? 0 : 1) + token.size()) > width) {
            break;
        }
        line += (line.empty() ? "" : " ") + token;
    }
    return line.empty() ? line : line + kEnter;
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsAlphanumeric(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return IsDigit(c) || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0xC0 || u == 0xB5;
}

// "45 €", "25 °C", "9 Uhr", "a + b": a line should not start with a unit or an operator
// that belongs to the word before it.
bool BelongsToPrevious(const std::string& previous, const std::string& word)
{
    if (!IsAlphanumeric(word.front()) && word.front() != '"' && word.front() != '(' && word.front() != '[' &&
        word.front() != '{' && word.front() != '\'') {
        return true;
    }
    const bool number = !previous.empty() &&
                        previous.find_first_not_of("0123456789,.") == std::string::npos &&
                        IsDigit(previous.back());
    return number && word.size() <= 3;
}

} // namespace

std::vector<std::string> TextComposer::Wrap(const std::string& text, int width)
{
    // Words first, with the pairs that must stay together already joined.
    std::vector<std::string> words;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) {
            continue;
        }
        const std::string previous =
            words.empty() ? std::string() : words.back().substr(words.back().rfind(' ') + 1);
        if (!words.empty() && BelongsToPrevious(previous, word) &&
            static_cast<int>(words.back().size() + 1 + word.size()) <= width) {
            words.back() += " " + word;
        } else {
            words.push_back(word);
        }
    }
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty() && static_cast<int>(line.size() + 1 + word.size()) > width) {
            lines.push_back(line + kEnter);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) {
        lines.push_back(line + kEnter);
    }
    return lines;
}

std::string TextComposer::Group(const std::string& letters, const std::string& required)
{
    if (letters.empty()) {
        return {};
    }
    const int length = Between(2, 5);
    std::string group;
    for (int i = 0; i < length; ++i) {
        group += letters[Below(letters.size())];
    }
    if (!required.empty() && group.find_first_of(required) == std::string::npos) {
        // The replacement first, then its place: the order the committed courses were made with.
        const char replacement = required[Below(required.size())];
        const size_t at = Below(group.size());
        group[at] = replacement;
    }
    return group;
}

std::string TextComposer::Number(const std::string& digits, int maxDigits)
{
    if (digits.empty()) {
        return {};
    }
    const int length = Between(1, maxDigits);
    std::string number;
    for (int i = 0; i < length; ++i) {
        number += digits[Below(digits.size())];
    }
    while (number.size() > 1 && number.front() == '0') {
        number.erase(0, 1);
    }
    return number;
}
