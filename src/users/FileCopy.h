#pragma once

#include <string>

// Whole-file copies that never leave a half-written target: the bytes go to a
// temporary file beside the target, which then replaces it.
class FileCopy
{
public:
    // Copies `from` over `to`. False when the source cannot be read or the target
    // cannot be written; the previous target then stays as it was.
    static bool CopyAtomically(const std::string& from, const std::string& to);
};
