// The clean-up of an imported text file: tabs, runs of blanks, untypeable characters,
// empty lines and the wrap, over lines as the text reader delivers them.
#include "exercise/LessonCatalog.h"
#include "exercise/TypeableCharacters.h"
#include "fuzz/FuzzSupport.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        std::string_view line = input.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    // Every printable byte counts as typeable, so that the wrap sees long lines.
    static const TypeableCharacters typeable = [] {
        TypeableCharacters set;
        std::string all;
        for (int c = 32; c < 256; ++c)
            all += static_cast<char>(c);
        set.Set(all);
        return set;
    }();
    LessonCatalog::NormaliseLines(lines, typeable);
    return 0;
}
