// The settings line stored with the user. Whatever a line leaves in the settings must
// come back from their own line unchanged.
#include "fuzz/FuzzSupport.h"
#include "settings/AppSettings.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    AppSettings settings;
    settings.FromLine(text);
    AppSettings::IsSafePictureSet(text);

    const std::string line = settings.ToLine();
    AppSettings again;
    fuzz::Check(again.FromLine(line), "the settings' own line is refused");
    fuzz::Check(again.ToLine() == line, "the settings' own line reads as other settings");
    return 0;
}
