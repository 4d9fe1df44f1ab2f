#include "fuzz/FuzzSupport.h"

#include "exercise/BlockCodec.h"
#include "resources/ProgramPaths.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <system_error>
#include <unistd.h>

namespace fuzz {
namespace {

// The block size the line files are written with.
constexpr std::size_t kBlockBytes = 4096;

void RemoveFolder(const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string MakeFolder()
{
    // tmpfs when there is one: the round trips sync what they save.
    std::string base = std::filesystem::is_directory("/dev/shm")
                           ? std::string("/dev/shm")
                           : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/tippwerk-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        Fail("cannot create the program folder");
    }
    for (const char* sub : {"config", "lessons", "users", "pictures"}) {
        std::filesystem::create_directory(pattern + "/" + sub);
    }
    return pattern + "/";
}

std::string* g_folder = nullptr;

void RemoveAtExit()
{
    if (g_folder != nullptr) {
        RemoveFolder(*g_folder);
    }
}

void PutLittleEndian32(unsigned char* out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

} // namespace

const std::string& ProgramFolder()
{
    if (g_folder == nullptr) {
        g_folder = new std::string(MakeFolder());
        ProgramPaths::SetProgramFolderForTesting(*g_folder);
        std::atexit(RemoveAtExit);
    }
    return *g_folder;
}

std::string FolderFile(const std::string& folder, const std::string& file)
{
    return ProgramFolder() + folder + "/" + file;
}

void WriteRawFile(const std::string& path, std::string_view bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        Fail("cannot write a file of the program folder");
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        Fail("cannot write a file of the program folder");
    }
}

void WritePackedFile(const std::string& path, std::string_view content)
{
    static BlockCodec codec; // keeps its tables between files
    std::string file;
    std::vector<unsigned char> packed;
    for (std::size_t at = 0; at < content.size(); at += kBlockBytes) {
        const std::string_view block = content.substr(at, kBlockBytes);
        const std::span bytes(reinterpret_cast<const unsigned char*>(block.data()), block.size());
        Check(codec.Pack(bytes, packed), "a block of a line file cannot be packed");
        unsigned char lengths[8];
        PutLittleEndian32(lengths, static_cast<std::uint32_t>(block.size()));
        PutLittleEndian32(lengths + 4, static_cast<std::uint32_t>(packed.size()));
        file.append(reinterpret_cast<const char*>(lengths), sizeof lengths);
        file.append(reinterpret_cast<const char*>(packed.data()), packed.size());
    }
    WriteRawFile(path, file);
}

std::vector<std::string_view> SplitParts(std::string_view input, std::size_t maxParts)
{
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < maxParts) {
        const std::size_t at = input.find(kPartSeparator);
        if (at == std::string_view::npos) {
            break;
        }
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + kPartSeparator.size());
    }
    parts.push_back(input);
    return parts;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzz
