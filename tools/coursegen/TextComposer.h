#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

// Builds practice lines (Windows-1250, each ending in the Enter character 0xA4) from
// tokens, words and sentences. Its random choices come from a seeded engine and a
// fixed reduction, so the same seed gives the same text on every platform.
class TextComposer
{
public:
    static constexpr char kEnter = '\xA4';

    explicit TextComposer(std::uint32_t seed);

    // A number in [0, n); 0 when n is 0.
    size_t Below(size_t n);
    // A number in [low, high].
    int Between(int low, int high);

    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[Below(items.size())];
    }

    // Tokens from `next` joined by blanks while the text stays within `width` characters
    // (Enter not counted); the same token never twice in a row.
    std::string TokenLine(const std::function<std::string()>& next, int width);

    // `tokens` in their order, repeated from the start until the line is full.
    static std::string CycleLine(const std::vector<std::string>& tokens, int width);

    // Words of `text` wrapped into lines of at most `width` characters, each closed by
    // Enter. A word longer than `width` stands alone on its line.
    static std::vector<std::string> Wrap(const std::string& text, int width);

    // A letter group of 2 to 5 characters from `letters` holding at least one of
    // `required` (when given).
    std::string Group(const std::string& letters, const std::string& required);

    // A number of 1 to `maxDigits` digits made of `digits`, without a leading zero
    // unless it is a lone 0.
    std::string Number(const std::string& digits, int maxDigits);

private:
    std::mt19937 m_engine;
};
