#include "users/LessonProgress.h"

#include <ctime>

LessonProgress::LessonProgress()
    : date(static_cast<std::int64_t>(std::time(nullptr)))
{}
