// The keyboard files: config/<name>.kdd and its composed characters config/<last four>.odd
// (one input, the two parts cut by the separator line), loaded as the program loads a
// keyboard, then every character looked up.
#include "exercise/TypeableCharacters.h"
#include "fuzz/FuzzSupport.h"
#include "keyboard/CharacterMap.h"
#include "keyboard/KeyboardLayout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string_view> parts =
        fuzz::SplitParts(std::string_view(reinterpret_cast<const char*>(data), size), 2);
    fuzz::ProgramFolder();
    // The identity line of the seeds names this keyboard.
    const std::string name = "00000407";
    fuzz::WritePackedFile(KeyboardLayout::FilePath(name), parts.front());
    fuzz::WritePackedFile(CharacterMap::ComposedFilePath(name), parts.size() > 1 ? parts.back() : "");

    KeyboardLayout layout;
    TypeableCharacters typeable;
    CharacterMap map(layout, typeable);
    map.LoadKeyboard(name);
    for (int c = 0; c < 256; ++c) {
        int firstModifier = -1;
        int firstKey = -1;
        int secondModifier = -1;
        int secondKey = -1;
        map.Find(static_cast<char>(c), firstModifier, firstKey, secondModifier, secondKey);
    }
    for (int index = -1; index <= layout.KeyCount(); ++index) {
        KeyboardKey key;
        layout.GetKey(index, key);
        layout.FingerOf(index);
    }
    return 0;
}
