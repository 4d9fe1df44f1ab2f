// tippwerk-data: reads and writes the program's packed data files for course authors.
#include "exercise/ExerciseRecord.h"
#include "exercise/LessonCatalog.h"
#include "exercise/LimitDialogPrompt.h"
#include "exercise/LineFile.h"
#include "exercise/RemarkRandom.h"
#include "exercise/RemarkTables.h"
#include "exercise/TypeableCharacters.h"
#include "keyboard/CharacterMap.h"
#include "keyboard/KeyboardLayout.h"
#include "resources/AtomicFileWriter.h"
#include "resources/ProgramPaths.h"
#include "resources/StringTable.h"
#include "resources/TextCodec.h"
#include "results/ExerciseEvaluation.h"
#include "results/ResultNumbers.h"
#include "rtf/RtfFileError.h"
#include "rtf/RtfTextReader.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kBadFileFormat = 506;
constexpr int kFileNotFound = 61858;
constexpr int kFileError = 61857;

int Usage()
{
    std::cerr
        << "usage: tippwerk-data unpack FILE\n"
           "       tippwerk-data pack [--from-utf8] FILE [SOURCE]  (lines from SOURCE or standard input)\n"
           "       tippwerk-data text FILE SOURCE     (UTF-8 text as Windows-1250)\n"
           "       tippwerk-data lessons KEYBOARD SET [--lines]\n"
           "       tippwerk-data import [--keyboard ID] FILE\n"
           "       tippwerk-data stat FILE\n"
           "       tippwerk-data results [--seed N] [--keyboard ID] FILE\n"
           "       tippwerk-data keyboard ID\n";
    return 2;
}

int Fail(const std::string& file, const std::string& what)
{
    std::cerr << "tippwerk-data: " << file << ": " << what << '\n';
    return 1;
}

std::string WithPath(int id, const std::string& path)
{
    std::string text = StringTable::Utf8(id);
    if (const auto p = text.find("%1"); p != std::string::npos)
        text.replace(p, 2, path);
    return text;
}

int Unpack(const std::string& path)
{
    LineFile file;
    // Statistics files are the largest the program reads.
    const bool ok = file.LoadLines(path, LineFileLimits::kStatisticsFileBytes);
    for (const auto& line : file.Lines()) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    if (!ok)
        return Fail(path, "cannot be read as a packed line file (missing, unreadable or damaged)");
    return 0;
}

// The whole of `source`, or of standard input when it is empty.
bool ReadSource(const std::string& source, std::string& text)
{
    if (source.empty()) {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// UTF-8 to Windows-1250. A character the program cannot show must stop the data build
// instead of vanishing, so the author hears where it is.
bool ToWindows1250(const std::string& name, std::string& text)
{
    std::string bytes;
    std::size_t faultAt = 0;
    if (TextCodec::FromUtf8Exactly(text, bytes, faultAt)) {
        text = std::move(bytes);
        return true;
    }
    const auto fault = text.begin() + static_cast<std::ptrdiff_t>(faultAt);
    const auto line = std::count(text.begin(), fault, '\n') + 1;
    const auto lineStart = std::find(std::make_reverse_iterator(fault), text.rend(), '\n').base();
    // Characters, not bytes: UTF-8 continuation bytes do not count.
    const auto column = std::count_if(lineStart, fault,
                                      [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }) +
                        1;
    Fail(name, "line " + std::to_string(line) + ", column " + std::to_string(column) +
                   ": not UTF-8 or a character without a Windows-1250 form");
    return false;
}

int Pack(const std::string& path, bool fromUtf8, const std::string& source)
{
    const std::string name = source.empty() ? "standard input" : source;
    std::string input;
    if (!ReadSource(source, input))
        return Fail(name, "cannot be read");
    if (fromUtf8 && !ToWindows1250(name, input))
        return 1;
    LineFile file;
    size_t start = 0;
    while (start < input.size()) {
        const size_t end = input.find('\n', start);
        if (end == std::string::npos) {
            file.AddLine(input.substr(start));
            break;
        }
        file.AddLine(input.substr(start, end - start));
        start = end + 1;
    }
    if (!file.SaveLines(path))
        return Fail(path, "cannot be written");
    return 0;
}

int Text(const std::string& path, const std::string& source)
{
    std::string text;
    if (!ReadSource(source, text))
        return Fail(source, "cannot be read");
    if (!ToWindows1250(source, text))
        return 1;
    // Written beside the target and renamed over it, so a failed build leaves no half file.
    if (!AtomicFileWriter::WriteFile(path, text))
        return Fail(path, "cannot be written");
    return 0;
}

int Lessons(const std::string& keyboard, const std::string& set, bool withLines)
{
    TypeableCharacters typeable;
    LessonCatalog catalog(typeable, [&] { return LessonCatalog::Course{keyboard, set}; });
    const std::string path = ProgramFilePath("lessons", keyboard + set + ".ddd");
    if (catalog.LessonCount() == 0)
        return Fail(path, "is missing, damaged or not the course " + keyboard + set);
    for (int i = 0; i < catalog.LessonCount(); ++i) {
        char limits[64];
        std::snprintf(limits, sizeof limits, "%.2f\t%.2f", catalog.SpeedLimit(i), catalog.ErrorLimit(i));
        std::cout << i << '\t' << TextCodec::ToUtf8(catalog.LessonTitle(i)) << '\t'
                  << TextCodec::ToUtf8(catalog.NewLetters(i)) << '\t' << catalog.TestEntry(i) << '\t'
                  << limits << '\t' << catalog.LessonLineCount(i) << '\t' << catalog.LessonCharCount(i)
                  << '\n';
        if (withLines)
            for (int n = 0; n < catalog.LessonLineCount(i); ++n)
                std::cout << '\t' << TextCodec::ToUtf8(catalog.LessonLine(i, n)) << '\n';
    }
    return 0;
}

// Confirms the limit dialog with the values it shows.
class AcceptDefaults : public LimitDialogPrompt
{
public:
    bool Edit(LimitValues&) override { return true; }
};

// Loads keyboard `id` into `map`, which also sets its typeable characters. The program
// itself carries on with a partly loaded keyboard; an author wants to hear about it.
bool LoadKeyboard(CharacterMap& map, const std::string& id)
{
    KeyboardLayout probe;
    if (!probe.Load(id)) {
        const std::string path = KeyboardLayout::FilePath(id);
        Fail(path.empty() ? id : path, "keyboard file is missing, damaged, has the wrong first line "
                                       "or a key line with fewer than seven fields");
        return false;
    }
    if (!map.LoadKeyboard(id)) {
        Fail(CharacterMap::ComposedFilePath(id), "composed-character file is missing, damaged, has the "
                                                 "wrong first line or a line with fewer than three fields");
        return false;
    }
    return true;
}

int Keyboard(const std::string& id)
{
    KeyboardLayout layout;
    TypeableCharacters typeable;
    CharacterMap map(layout, typeable);
    if (!LoadKeyboard(map, id))
        return 1;
    std::cout << TextCodec::ToUtf8(typeable.Characters()) << '\n';
    for (const CharacterEntry& entry : map.Entries())
        std::cout << TextCodec::ToUtf8(std::string(1, entry.character)) << '\t' << entry.firstModifier << ' '
                  << entry.firstKey << ' ' << entry.secondModifier << ' ' << entry.secondKey << '\n';
    return 0;
}

int Import(const std::string& keyboard, const std::string& path)
{
    KeyboardLayout layout;
    TypeableCharacters typeable;
    CharacterMap map(layout, typeable);
    if (!LoadKeyboard(map, keyboard))
        return 1;

    LessonCatalog catalog(typeable, [] { return LessonCatalog::Course{}; });
    AcceptDefaults prompt;
    try {
        if (!catalog.ImportText(path, prompt))
            return Fail(path, StringTable::Utf8(kBadFileFormat));
    } catch (const RtfFileError& error) {
        const int id = error.kind() == RtfFileError::Kind::NotFound ? kFileNotFound : kFileError;
        return Fail(path, WithPath(id, path));
    } catch (const std::exception&) {
        return Fail(path, StringTable::Utf8(kBadFileFormat));
    }
    for (const auto& line : catalog.FreeTextLines())
        std::cout << TextCodec::ToUtf8(line) << '\n';
    return 0;
}

int Stat(const std::string& path)
{
    ExerciseRecord record;
    if (!record.LoadStatistics(path))
        return Fail(path, StringTable::Utf8(kBadFileFormat));
    char errorLimit[32];
    std::snprintf(errorLimit, sizeof errorLimit, "%.3f", record.ErrorRateLimit());
    std::cout << record.StartTime() << '\n'
              << TextCodec::ToUtf8(record.UserName()) << '\n'
              << record.LessonIndex() << '\n'
              << TextCodec::ToUtf8(record.Title()) << '\n'
              << errorLimit << '\n'
              << record.SpeedLimit() << '\n'
              << record.TotalCharacters() << '\n'
              << record.EntryCount() << '\n';
    for (const KeystrokeEntry& entry : record.Keystrokes())
        std::cout << entry.interval << '\t' << TextCodec::ToUtf8(std::string(1, entry.expected)) << '\t'
                  << TextCodec::ToUtf8(std::string(1, entry.typed)) << '\n';
    return 0;
}

// One item a line, its fields separated by tabs; the texts in UTF-8.
void PrintLine(const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        std::cout << (i ? "\t" : "") << fields[i];
    std::cout << '\n';
}

// The remark on one line: its line breaks as the two characters \n.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\r' || text[i] == '\n')
            line += "\\n";
        else
            line += text[i];
    }
    return line;
}

int Results(const std::string& path, std::optional<std::uint32_t> seed, const std::string& keyboard)
{
    ExerciseRecord record;
    if (!record.LoadStatistics(path))
        return Fail(path, StringTable::Utf8(kBadFileFormat));
    KeyboardLayout layout;
    TypeableCharacters typeable;
    CharacterMap map(layout, typeable);
    if (!LoadKeyboard(map, keyboard))
        return 1;
    RemarkTables tables;
    if (!tables.LoadInstalled())
        Fail(RemarkTables::InstalledPath(), "cannot be read; the remark stays empty");
    RemarkRandom random = seed ? RemarkRandom(*seed) : RemarkRandom();

    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(record, typeable.Characters());
    const ValueTableTexts values = e.valueTable.Texts();
    PrintLine({"speed-limit", values.speedLimit});
    PrintLine({"speed", values.speed});
    PrintLine({"error-limit", values.errorLimit});
    PrintLine({"error-rate", values.errorRate});
    PrintLine({"time", values.time});
    PrintLine({"typed-percent", values.typedPercent});
    PrintLine({"characters", values.characters});
    PrintLine({"keystrokes", values.keystrokes});
    PrintLine({"faults", values.faults});
    PrintLine({"scores", std::to_string(e.scores.speedScore), std::to_string(e.scores.errorScore),
               std::to_string(e.scores.rhythmScore), std::to_string(e.scores.percentTyped)});
    PrintLine({"fault-keys", TextCodec::ToUtf8(e.faultsList.keysText)});
    PrintLine({"slow-keys", TextCodec::ToUtf8(e.speedList.keysText)});
    for (const KeyRow& row : e.keyRows) {
        PrintLine({"key", TextCodec::ToUtf8(KeyList::KeyText(row.character)), std::to_string(row.faultIcon),
                   std::to_string(row.speedIcon), ResultNumbers::Fixed(row.meanInterval, 3),
                   TextCodec::ToUtf8(row.wrongCharacters), std::to_string(row.faults),
                   std::to_string(row.keystrokes)});
    }
    const std::string remark = e.Remark(tables, [&random] { return random.Next(); });
    PrintLine({"remark", OneLine(TextCodec::ToUtf8(remark))});
    return 0;
}

// "results [--seed N] [--keyboard ID] FILE"; the options in any order.
int ResultsCommand(const std::vector<std::string>& args)
{
    std::optional<std::uint32_t> seed;
    std::string keyboard = "00000407";
    std::size_t i = 1;
    for (; i + 1 < args.size(); i += 2) {
        if (args[i] == "--keyboard") {
            keyboard = args[i + 1];
        } else if (args[i] == "--seed") {
            std::uint32_t value = 0;
            const std::string& text = args[i + 1];
            const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
            if (result.ec != std::errc() || result.ptr != text.data() + text.size())
                return Usage();
            seed = value;
        } else {
            break;
        }
    }
    if (i + 1 != args.size())
        return Usage();
    return Results(args[i], seed, keyboard);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Usage();
    const std::string& command = args[0];
    if (command == "unpack" && args.size() == 2)
        return Unpack(args[1]);
    if (command == "pack") {
        const bool fromUtf8 = args.size() > 1 && args[1] == "--from-utf8";
        const std::size_t rest = args.size() - (fromUtf8 ? 2 : 1);
        if (rest == 1 || rest == 2)
            return Pack(args[fromUtf8 ? 2 : 1], fromUtf8, rest == 2 ? args.back() : std::string());
    }
    if (command == "text" && args.size() == 3)
        return Text(args[1], args[2]);
    if (command == "lessons" && (args.size() == 3 || (args.size() == 4 && args[3] == "--lines")))
        return Lessons(args[1], args[2], args.size() == 4);
    if (command == "stat" && args.size() == 2)
        return Stat(args[1]);
    if (command == "results")
        return ResultsCommand(args);
    if (command == "import") {
        if (args.size() == 2)
            return Import("00000407", args[1]);
        if (args.size() == 4 && args[1] == "--keyboard")
            return Import(args[2], args[3]);
    }
    if (command == "keyboard" && args.size() == 2)
        return Keyboard(args[1]);
    return Usage();
}
