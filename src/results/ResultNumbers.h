#pragma once

#include <cstdint>
#include <string>

// Number helpers of the evaluation: cutting reals to integers, divisions that give 0
// when the divisor is 0, and fixed-point texts that do not depend on the locale.
class ResultNumbers
{
public:
    // The fraction cut off toward zero; NaN gives 0, values beyond int's range its limits.
    static int Truncate(double value);
    static int Clamp(std::int64_t value);
    // a ÷ b, or 0 when b is 0.
    static double Quotient(double a, double b);
    // "%.Nf" with '.' as the decimal point whatever the locale.
    static std::string Fixed(double value, int decimals);
};
