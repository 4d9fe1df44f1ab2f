#pragma once

#include <string>

// The hands file: per finger a run of point lines "x:y:pen:weight:red:green:blue:"
// closed by a line "END", finger 0 first.
class HandsFile
{
public:
    static std::string Text();
    static bool Write(const std::string& path);
};
