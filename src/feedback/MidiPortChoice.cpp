#include "feedback/MidiPortChoice.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsThroughPort(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.find("midi through") != std::string::npos;
}

} // namespace

int MidiPortChoice::Choose(const std::vector<std::string>& portNames, int device)
{
    const int count = static_cast<int>(portNames.size());
    if (device >= 0)
        return device < count ? device : -1;
    if (device != -1)
        return -1;
    for (int i = 0; i < count; ++i) {
        if (!IsThroughPort(portNames[i]))
            return i;
    }
    return -1;
}
