#include "results/ValueTable.h"

#include "results/ResultNumbers.h"

#include <cstdio>

std::string ValueTable::TimeText(std::int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", static_cast<int>(seconds / 3600 % 24),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return buffer;
}

ValueTableTexts ValueTable::Texts() const
{
    if (!filled)
        return ValueTableTexts{"0", "0", "0", "0", "0", "0", "0", "0", "0"};
    ValueTableTexts texts;
    texts.speedLimit = ResultNumbers::Fixed(speedLimit, 2);
    texts.speed = ResultNumbers::Fixed(speed, 2);
    texts.errorLimit = ResultNumbers::Fixed(errorLimit, 2);
    texts.errorRate = ResultNumbers::Fixed(errorRate, 2);
    texts.time = TimeText(typingSeconds);
    texts.typedPercent = ResultNumbers::Fixed(typedPercent, 1);
    texts.characters = std::to_string(characters);
    texts.keystrokes = std::to_string(keystrokes);
    texts.faults = std::to_string(faults);
    return texts;
}
