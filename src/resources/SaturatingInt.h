#pragma once

#include <cstdint>

// Conversions into int that stay at the range's ends instead of overflowing: a plain
// conversion of an out-of-range or NaN double is undefined.
class SaturatingInt
{
public:
    // The fraction cut off toward zero like a C cast; NaN gives 0, values beyond int's
    // range its limits.
    static int FromReal(double value);
    // `value` held to int's range.
    static int FromWide(std::int64_t value);
};
