#pragma once

#include <functional>
#include <string>

// Line `line` of lesson `lesson` in Windows-1250, empty when there is none.
using LessonLineSource = std::function<std::string(int lesson, int line)>;
