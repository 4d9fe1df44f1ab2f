#pragma once

#include <string>

// Writes a whole file through a temporary beside it, so a failed run never leaves
// a half-written picture or hands file in the data folder.
class AtomicFile
{
public:
    static bool Write(const std::string& path, const std::string& bytes);
};
