// The packed line file: any bytes as a file on disk, and the block codec on its own.
// What loads must save and load again to the same lines; what the codec packs must
// unpack to the same bytes.
#include "exercise/BlockCodec.h"
#include "exercise/LineFile.h"
#include "fuzz/FuzzSupport.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace {

void PackAndUnpack(std::span<const unsigned char> block)
{
    if (block.empty() || block.size() > BlockCodec::kMaxBlockBytes) {
        return;
    }
    BlockCodec codec;
    std::vector<unsigned char> packed;
    if (!codec.Pack(block, packed)) {
        return;
    }
    std::vector<unsigned char> unpacked(block.size());
    fuzz::Check(codec.Unpack(packed, unpacked) == BlockCodec::Fault::None, "a packed block does not unpack");
    fuzz::Check(std::equal(unpacked.begin(), unpacked.end(), block.begin()),
                "a block unpacks to other bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PackAndUnpack(std::span(data, size));

    const std::string path = fuzz::FolderFile("lessons", "input.ddd");
    fuzz::WriteRawFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    LineFile loaded;
    if (!loaded.LoadLines(path)) {
        return 0;
    }
    std::string identity;
    LineFile identified;
    identified.LoadIdentifiedLines(path, identity);

    const std::string savedPath = fuzz::FolderFile("lessons", "saved.ddd");
    LineFile saved;
    for (const std::string& line : loaded.Lines()) {
        saved.AddLine(line);
    }
    fuzz::Check(saved.SaveLines(savedPath), "loaded lines cannot be saved");
    LineFile reloaded;
    fuzz::Check(reloaded.LoadLines(savedPath), "saved lines cannot be loaded");
    fuzz::Check(reloaded.Lines() == loaded.Lines(), "saved lines load as other lines");
    return 0;
}
