#pragma once

// One piece of a speaker sound: a tone of `frequency` Hz lasting `durationMs`; a frequency
// of 0 is a pause of that length.
struct ToneSegment
{
    int frequency = 0;
    int durationMs = 0;

    bool operator==(const ToneSegment&) const = default;
};
