#include "results/ResultNumbers.h"

#include "resources/SaturatingInt.h"

#include <charconv>
#include <climits>
#include <cmath>

int ResultNumbers::Truncate(double value)
{
    return SaturatingInt::FromReal(value);
}

int ResultNumbers::Clamp(std::int64_t value)
{
    return SaturatingInt::FromWide(value);
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
