#pragma once

#include "rtf/RtfTextReader.h"

#include <string>
#include <string_view>
#include <vector>

// The outcome of reading one in-memory document with a fresh reader.
struct ParsedRtf
{
    int result = 0;
    std::vector<std::string> lines;
    RtfFormatting formatting;
    int unicodeFallbackCount = 0;

    static ParsedRtf From(std::string_view rtf, int width = 70)
    {
        ParsedRtf parsed;
        RtfTextReader reader(parsed.lines, width);
        parsed.result = reader.Parse(rtf);
        parsed.formatting = reader.Formatting();
        parsed.unicodeFallbackCount = reader.UnicodeFallbackCount();
        return parsed;
    }
};

using Lines = std::vector<std::string>;
