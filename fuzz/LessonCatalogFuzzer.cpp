// The lesson file: every lesson's title, lines, limits and counts asked for, as the
// lesson list and the exercise ask for them.
#include "exercise/LessonCatalog.h"
#include "exercise/TypeableCharacters.h"
#include "fuzz/FuzzSupport.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static LessonCatalog* catalog = [] {
        fuzz::ProgramFolder();
        static const TypeableCharacters typeable;
        return new LessonCatalog(typeable);
    }();
    // The identity line of the seeds names this course.
    const std::string path = fuzz::FolderFile("lessons", "00000407_a.ddd");
    fuzz::WritePackedFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    catalog->ReloadLessonsFrom(path);

    for (int index = -1; index <= catalog->LessonCount(); ++index) {
        catalog->LessonTitle(index);
        const int lines = catalog->LessonLineCount(index);
        for (int n = -1; n <= lines; ++n) {
            catalog->LessonLine(index, n);
        }
        catalog->LessonCharCount(index);
        catalog->SpeedLimit(index);
        catalog->ErrorLimit(index);
        catalog->NewLetters(index);
        catalog->TestEntry(index);
    }
    catalog->LessonTitle(FREE_TEXT_LESSON);
    catalog->LessonLineCount(FREE_TEXT_LESSON);
    return 0;
}
