#include "exercise/Lesson.h"

#include <algorithm>

Lesson::Lesson(int index)
    : SpeedLimit(DefaultSpeedLimit(index))
    , ErrorLimit(kDefaultErrorLimit)
{}

double Lesson::DefaultSpeedLimit(int index)
{
    return std::min(60.0 + 4.0 * index, 200.0);
}
