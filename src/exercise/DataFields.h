#pragma once

#include <string>
#include <string_view>

// Field syntax shared by the data files (lessons, keyboards, hands, users, statistics,
// settings): a line is a run of fields, each closed by a colon. The number conversions
// read like the C library's atoi/atol/atof, but always with '.' as the decimal point,
// whatever locale the program runs under, and without undefined behaviour on overflow.
class DataFields
{
public:
    // Removes the first field and its colon from `line` into `field`. False (and both
    // unchanged) when no colon is left.
    static bool TakeField(std::string& line, std::string& field);

    // Leading blanks, an optional sign, digits; stops at the first other character.
    // No digits gives 0; values beyond the type's range are clamped.
    static int ToInt(std::string_view text);
    static long ToLong(std::string_view text);

    // Leading blanks, then the longest decimal number (with fraction and exponent);
    // no number gives 0.
    static double ToReal(std::string_view text);

    // The field's first byte, or 0 when it is empty.
    static char ToChar(std::string_view text);
};
