// The remark tables of config/textinfo.ddd, read and asked for remarks on a good, a
// middling and a poor result.
#include "exercise/RemarkInput.h"
#include "exercise/RemarkStep.h"
#include "exercise/RemarkTables.h"
#include "fuzz/FuzzSupport.h"

#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ProgramFolder();
    fuzz::WritePackedFile(RemarkTables::InstalledPath(),
                          std::string_view(reinterpret_cast<const char*>(data), size));
    RemarkTables tables;
    tables.LoadInstalled();

    unsigned seed = 1;
    const RemarkTables::RandomNumber random = [&seed] {
        seed = seed * 1103515245 + 12345;
        return static_cast<int>((seed / 65536) % 32768);
    };
    for (const int score : {0, 49, 99}) {
        RemarkInput input;
        input.speedScore = score;
        input.errorScore = 99 - score;
        input.rhythmScore = score;
        input.percentTyped = score + 20;
        input.faultKeysText = score > 0 ? "\xF6, \xE4." : "";
        input.slowKeysText = score > 50 ? "a, s." : "";
        std::vector<RemarkStep> trace;
        tables.GenerateRemark(input, random, &trace);
    }
    return 0;
}
