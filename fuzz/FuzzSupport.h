#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: a program folder of their own for the readers that look
// their files up there, files written from the fuzzer's bytes, and the checks that turn
// a broken round trip into a finding.
namespace fuzz {

// This process's program folder (with config, lessons and users inside), made on the
// first call and installed as the program folder. It goes when the process ends.
const std::string& ProgramFolder();

// `folder` and `file` inside the program folder.
std::string FolderFile(const std::string& folder, const std::string& file);

// Writes `bytes` as they are.
void WriteRawFile(const std::string& path, std::string_view bytes);

// Writes `content` as the blocks of a packed line file. Unlike the program's writer it
// neither syncs nor renames: the fuzzers write thousands of files a second.
void WritePackedFile(const std::string& path, std::string_view content);

// The input cut at each separator line, at most `maxParts` parts (the last one keeps
// the rest). Lets one input carry several files.
std::vector<std::string_view> SplitParts(std::string_view input, std::size_t maxParts);
inline constexpr std::string_view kPartSeparator = "\n--8<--\n";

// A broken invariant: says which and aborts, which libFuzzer and the replay report.
[[noreturn]] void Fail(const char* what);
inline void Check(bool ok, const char* what)
{
    if (!ok) {
        Fail(what);
    }
}

} // namespace fuzz
