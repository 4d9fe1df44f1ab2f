#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The small plain-text lists under config (keyboards.txt, lessons.txt): one entry per
// line, lines starting with ';' are remarks.
class TextList
{
public:
    // The entry lines of `path`, Windows line ends cut, remarks left out; an empty line
    // is an entry too. False when the file cannot be read or is far larger than any such
    // list.
    static bool ReadLines(const std::string& path, std::vector<std::string>& lines);

    // Larger files are refused rather than read into memory.
    static constexpr std::uintmax_t kMaxFileSize = 1024 * 1024;
};
