#include "exercise/DataFields.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

size_t SkipBlanks(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

} // namespace

bool DataFields::TakeField(std::string& line, std::string& field)
{
    const size_t colon = line.find(':');
    if (colon == std::string::npos)
        return false;
    field.assign(line, 0, colon);
    line.erase(0, colon + 1);
    return true;
}

long DataFields::ToLong(std::string_view text)
{
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (!negative) {
            if (value > (LONG_MAX - digit) / 10)
                return LONG_MAX;
            value = value * 10 + digit;
        } else {
            if (value < (LONG_MIN + digit) / 10)
                return LONG_MIN;
            value = value * 10 - digit;
        }
    }
    return value;
}

int DataFields::ToInt(std::string_view text)
{
    const long value = ToLong(text);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double DataFields::ToReal(std::string_view text)
{
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; atof gives infinity or zero.
        bool tiny = false;
        for (const char* p = first; p < result.ptr; ++p)
            if (*p == 'e' || *p == 'E') {
                tiny = p + 1 < result.ptr && p[1] == '-';
                break;
            }
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

char DataFields::ToChar(std::string_view text)
{
    return text.empty() ? '\0' : text.front();
}
