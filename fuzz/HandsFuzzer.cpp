// The hands file config/hands.ddd, loaded as the keyboard view loads it, and every
// finger's lines computed for a large and a tiny window.
#include "fuzz/FuzzSupport.h"
#include "keyboard/HandModel.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::WritePackedFile(fuzz::FolderFile("config", "hands.ddd"),
                          std::string_view(reinterpret_cast<const char*>(data), size));
    const HandModel model;
    for (int finger = -1; finger <= HandModel::kFingerCount; ++finger) {
        model.Outline(finger);
        model.FingerLines(finger, 1920, 600, 400);
        model.FingerLines(finger, 7, 0, 1);
    }
    return 0;
}
