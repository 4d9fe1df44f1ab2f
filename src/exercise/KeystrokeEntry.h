#pragma once

#include <cstdint>

// One accepted keystroke. Enter is stored as the byte 164 on both sides.
struct KeystrokeEntry
{
    // Milliseconds of typing time since the previous keystroke (or since the clock restarted).
    std::int32_t interval = 0;
    char expected = 0;
    // Equal to expected for a correct keystroke.
    char typed = 0;
};
