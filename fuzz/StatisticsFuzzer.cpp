// The statistics file (*.stat). What loads must save, load again to the same record and
// save again to the same file.
#include "exercise/ExerciseRecord.h"
#include "exercise/LineFile.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool SameKeystrokes(const ExerciseRecord& a, const ExerciseRecord& b)
{
    return std::equal(a.Keystrokes().begin(), a.Keystrokes().end(), b.Keystrokes().begin(),
                      b.Keystrokes().end(), [](const KeystrokeEntry& x, const KeystrokeEntry& y) {
                          return x.interval == y.interval && x.expected == y.expected && x.typed == y.typed;
                      });
}

bool SameRecord(const ExerciseRecord& a, const ExerciseRecord& b)
{
    return a.StartTime() == b.StartTime() && a.UserName() == b.UserName() &&
           a.LessonIndex() == b.LessonIndex() && a.Title() == b.Title() && a.SpeedLimit() == b.SpeedLimit() &&
           a.TotalCharacters() == b.TotalCharacters() && SameKeystrokes(a, b);
}

std::vector<std::string> LinesOf(const std::string& path)
{
    LineFile file;
    fuzz::Check(file.LoadLines(path), "a saved statistics file cannot be read");
    return file.Lines();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::FolderFile("users", "input.stat");
    fuzz::WritePackedFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    ExerciseRecord loaded;
    if (!loaded.LoadStatistics(path)) {
        return 0;
    }
    for (int i = -1; i <= loaded.EntryCount(); ++i) {
        std::int32_t interval = 0;
        char expected = 0;
        char typed = 0;
        loaded.EntryAt(i, interval, expected, typed);
    }

    const std::string savedPath = fuzz::FolderFile("users", "saved.stat");
    fuzz::Check(loaded.SaveStatistics(savedPath), "a loaded statistics file cannot be saved");
    ExerciseRecord reloaded;
    fuzz::Check(reloaded.LoadStatistics(savedPath), "a saved statistics file does not load");
    fuzz::Check(SameRecord(loaded, reloaded), "a saved statistics file loads as another record");
    const std::string againPath = fuzz::FolderFile("users", "again.stat");
    fuzz::Check(reloaded.SaveStatistics(againPath), "a reloaded statistics file cannot be saved");
    fuzz::Check(LinesOf(savedPath) == LinesOf(againPath), "saving a reloaded statistics file changes it");
    return 0;
}
