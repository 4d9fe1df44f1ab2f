#include "results/ResultNumbers.h"

#include <charconv>
#include <climits>
#include <cmath>

int ResultNumbers::Truncate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int ResultNumbers::Clamp(std::int64_t value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double ResultNumbers::Quotient(double a, double b)
{
    return b == 0.0 ? 0.0 : a / b;
}

std::string ResultNumbers::Fixed(double value, int decimals)
{
    // Qt sets the C locale from the environment, which would turn "%.2f" into "300,00".
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer, result.ptr);
}
