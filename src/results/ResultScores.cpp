#include "results/ResultScores.h"

#include "results/ResultNumbers.h"

#include <algorithm>

int ResultScores::SpeedScore(double perMinute, int speedLimit)
{
    if (speedLimit == 0)
        return 0;
    return std::max(99 - ResultNumbers::Truncate(perMinute * 100.0 / (2.0 * speedLimit)), 0);
}

int ResultScores::ErrorScore(double errorRate, double errorLimit)
{
    if (errorLimit == 0.0)
        return 0;
    return std::min(ResultNumbers::Truncate(errorRate * 100.0 / (2.0 * errorLimit)), 99);
}
