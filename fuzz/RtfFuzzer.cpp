// The RTF reader, from a file as a dropped or imported .rtf reaches it.
#include "fuzz/FuzzSupport.h"
#include "rtf/RtfTextReader.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::FolderFile("users", "input.rtf");
    fuzz::WriteRawFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> lines;
    try {
        ReadRtfLines(path, lines, 70);
    } catch (const RtfFileError& error) {
        fuzz::Check(error.kind() == RtfFileError::Kind::Generic,
                    "an existing RTF file is reported as missing");
    }
    return 0;
}
