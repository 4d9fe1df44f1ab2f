#include "exercise/LessonCatalog.h"
#include "exercise/LimitDialogPrompt.h"
#include "exercise/LineFile.h"
#include "exercise/TypeableCharacters.h"
#include "resources/TextCodec.h"
#include "rtf/RtfFileError.h"
#include "support/TemporaryProgramFolder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace fs = std::filesystem;

namespace {

class ScriptedLimits : public LimitDialogPrompt
{
public:
    explicit ScriptedLimits(bool confirm, LimitValues answer = {})
        : m_confirm(confirm)
        , m_answer(answer)
    {}
    bool Edit(LimitValues& values) override
    {
        shown = values;
        if (m_confirm)
            values = m_answer;
        return m_confirm;
    }
    LimitValues shown;

private:
    bool m_confirm;
    LimitValues m_answer;
};

// Test texts are written in UTF-8; the catalogue works in Windows-1250.
std::string W(const std::string& utf8)
{
    return TextCodec::FromUtf8(utf8);
}

std::string AllBytesFrom32()
{
    std::string all;
    for (int c = 32; c < 256; ++c)
        all += static_cast<char>(c);
    return all;
}

class LessonCatalogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.IsValid());
        m_dir = m_folder.Root();
        m_typeable.Set(AllBytesFrom32());
    }

    // The course of the catalogues made here: the user's, as the application gives it.
    LessonCatalog::CourseProvider Course()
    {
        return [this] { return m_course; };
    }
    LessonCatalog::Course m_course{"00000407", "_a"};
    TypeableCharacters m_typeable;

    void WriteCourse(const std::string& name, const std::vector<std::string>& lines)
    {
        LineFile file;
        for (const auto& line : lines)
            file.AddLine(W(line));
        ASSERT_TRUE(file.SaveLines((m_dir / "lessons" / name).string()));
    }

    std::string WriteText(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    TemporaryProgramFolder m_folder{"lessons"};
    fs::path m_dir;
};

const std::vector<std::string> kCourse = {
    "00000407_a",
    "",
    "Grundstellung",
    "asdf jklö:1:75.5:2.25:",
    "asdf jklö¤",
    "fdsa ölkj¤",
    "",
    "",
    "Neue Tasten e und i",
    "ei:0:",
    "eis die sie¤",
};

} // namespace

TEST_F(LessonCatalogTest, ReadsTitlesHeadersAndLinesOfTheUsersCourse)
{
    WriteCourse("00000407_a.ddd", kCourse);
    LessonCatalog catalog(m_typeable, Course());
    ASSERT_EQ(catalog.LessonCount(), 2);
    EXPECT_EQ(catalog.LessonTitle(0), "Grundstellung");
    EXPECT_EQ(catalog.NewLetters(0), W("asdf jklö"));
    EXPECT_EQ(catalog.TestEntry(0), 1);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(0), 75.5);
    EXPECT_DOUBLE_EQ(catalog.ErrorLimit(0), 2.25);
    EXPECT_EQ(catalog.LessonLineCount(0), 2);
    EXPECT_EQ(catalog.LessonCharCount(0), 20);
    // The header lacks its last two colons: the defaults of lesson 1 stay.
    EXPECT_EQ(catalog.NewLetters(1), "ei");
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(1), 64.0);
    EXPECT_DOUBLE_EQ(catalog.ErrorLimit(1), 0.8);
    EXPECT_EQ(catalog.LessonLine(1, 0), W("eis die sie¤"));
    // Past the end of a lesson comes a single space; invalid indexes are neutral.
    EXPECT_EQ(catalog.LessonLine(1, 1), " ");
    EXPECT_EQ(catalog.LessonLine(2, 0), "");
    EXPECT_EQ(catalog.LessonLine(-1, 0), "");
    EXPECT_EQ(catalog.LessonTitle(7), "");
    EXPECT_EQ(catalog.LessonLineCount(7), 0);
    EXPECT_EQ(catalog.LessonCharCount(-3), 0);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(2), 0.0);
    EXPECT_EQ(catalog.TestEntry(FREE_TEXT_LESSON), 0);
    EXPECT_EQ(catalog.NewLetters(FREE_TEXT_LESSON), "");
}

TEST_F(LessonCatalogTest, ReadsTheCourseOfTheMomentAtTheFirstQuestionAboutALesson)
{
    struct Case
    {
        const char* what;
        std::function<void(LessonCatalog&)> ask;
        bool reads;
    };
    const Case cases[] = {
        {"time limit", [](LessonCatalog& c) { c.TimeLimit(); }, false},
        {"free-text title", [](LessonCatalog& c) { c.LessonTitle(FREE_TEXT_LESSON); }, false},
        {"free-text line", [](LessonCatalog& c) { c.LessonLine(FREE_TEXT_LESSON, 0); }, false},
        {"free-text limits", [](LessonCatalog& c) { c.SpeedLimit(FREE_TEXT_LESSON); }, false},
        {"limit dialog", [](LessonCatalog& c) { c.OpenLimitDialog(); }, false},
        {"negative index", [](LessonCatalog& c) { c.LessonLine(-1, 0); }, false},
        {"count", [](LessonCatalog& c) { c.LessonCount(); }, true},
        {"title", [](LessonCatalog& c) { c.LessonTitle(1); }, true},
        {"line", [](LessonCatalog& c) { c.LessonLine(0, 0); }, true},
        {"error limit", [](LessonCatalog& c) { c.ErrorLimit(0); }, true},
    };
    WriteCourse("00000409_a.ddd", {"00000409_a", "Eins", "a:0:", "a¤", "", "Zwei", "b:0:", "b¤"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_course = {"00000407", "_a"}; // missing: whatever it read would stay empty
        int reads = 0;
        LessonCatalog catalog(m_typeable, [&] {
            ++reads;
            return m_course;
        });
        c.ask(catalog);
        EXPECT_EQ(reads, c.reads ? 1 : 0);
        // Logged in now: the first question reads this user's course, and only once.
        m_course = {"00000409", "_a"};
        EXPECT_EQ(catalog.LessonCount(), c.reads ? 0 : 2);
        EXPECT_EQ(catalog.LessonTitle(0), c.reads ? "" : "Eins");
        EXPECT_EQ(reads, 1);
        ASSERT_TRUE(catalog.ReloadLessons());
        EXPECT_EQ(catalog.LessonTitle(1), "Zwei");
        EXPECT_EQ(reads, 2);
    }

    // An explicit reload before any question is the only read.
    int reads = 0;
    LessonCatalog catalog(m_typeable, [&] {
        ++reads;
        return m_course;
    });
    ASSERT_TRUE(catalog.ReloadLessonsFrom((m_dir / "lessons" / "00000409_a.ddd").string()));
    EXPECT_EQ(catalog.LessonCount(), 2);
    EXPECT_EQ(reads, 0);
}

TEST_F(LessonCatalogTest, RejectsAFileThatIsNotTheCourseItIsNamedAfter)
{
    WriteCourse("00000407_a.ddd", kCourse);
    WriteCourse("00000409_a.ddd", kCourse); // a copy that still says 00000407_a
    WriteCourse("00000407_b.ddd", {});
    LessonCatalog catalog(m_typeable, Course());
    EXPECT_EQ(catalog.LessonCount(), 2);

    m_course = {"00000409", "_a"};
    EXPECT_FALSE(catalog.ReloadLessons());
    EXPECT_EQ(catalog.LessonCount(), 0);

    // An empty file has no identity line, so it is no course either.
    m_course = {"00000407", "_b"};
    EXPECT_FALSE(catalog.ReloadLessons());
    m_course = {"00000407", "_x"};
    EXPECT_FALSE(catalog.ReloadLessons()); // missing
    EXPECT_EQ(catalog.LessonCount(), 0);
}

TEST_F(LessonCatalogTest, LessonBoundaryQuirksOfTheFileFormat)
{
    std::vector<std::string> lines = kCourse;
    lines.push_back(""); // an empty line after the last lesson opens one more
    WriteCourse("00000407_a.ddd", lines);
    LessonCatalog catalog(m_typeable, Course());
    ASSERT_EQ(catalog.LessonCount(), 3);
    EXPECT_EQ(catalog.LessonTitle(2), "");
    EXPECT_EQ(catalog.LessonLineCount(2), 0);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(2), 68.0);

    // An empty line straight after the title ends the lesson; the rest is a new one.
    WriteCourse("00000407_a.ddd", {"00000407_a", "Nur Titel", "", "Zweite", "x:0:1:1:", "xx¤"});
    ASSERT_TRUE(catalog.ReloadLessons());
    ASSERT_EQ(catalog.LessonCount(), 2);
    EXPECT_EQ(catalog.LessonLineCount(0), 0);
    EXPECT_EQ(catalog.LessonTitle(1), "Zweite");
    EXPECT_EQ(catalog.LessonLineCount(1), 1);
}

TEST_F(LessonCatalogTest, DefaultSpeedLimitRisesToTwoHundred)
{
    std::vector<std::string> lines = {"00000407_a"};
    for (int i = 0; i < 40; ++i) {
        lines.push_back(std::string("L").append(std::to_string(i)));
        lines.push_back("a:0:");
        lines.push_back("a¤");
        lines.push_back("");
    }
    lines.pop_back();
    WriteCourse("00000407_a.ddd", lines);
    LessonCatalog catalog(m_typeable, Course());
    ASSERT_EQ(catalog.LessonCount(), 40);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(34), 196.0);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(35), 200.0);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(39), 200.0);
}

TEST_F(LessonCatalogTest, NumbersReadTheSameUnderAnyLocale)
{
    WriteCourse("00000407_a.ddd", {"00000407_a", "T", "a: 3x:abc:1.5e1:", "a¤"});
    LessonCatalog catalog(m_typeable, Course());
    EXPECT_EQ(catalog.TestEntry(0), 3);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(0), 0.0);
    EXPECT_DOUBLE_EQ(catalog.ErrorLimit(0), 15.0);
}

TEST_F(LessonCatalogTest, ANewCatalogueStartsWithTheUnreachableTimeLimit)
{
    WriteCourse("00000407_a.ddd", kCourse);
    LessonCatalog catalog(m_typeable, Course());
    EXPECT_EQ(catalog.LessonCount(), 2);
    EXPECT_GT(catalog.TimeLimit(), 929000000L - 50000L);
    EXPECT_LT(catalog.TimeLimit(), 929000000L + 50000L);
    EXPECT_EQ(catalog.LessonTitle(FREE_TEXT_LESSON), "Schreiben Sie den nachfolgenden Text ab.");
}

TEST_F(LessonCatalogTest, CancelledLimitDialogKeepsItsDefaultsAndTheOldText)
{
    LessonCatalog catalog(m_typeable, Course());
    catalog.SetFreeTextLines({"alt"});
    catalog.ConfirmLimitDialog({300, 5, 10});
    const std::string path = WriteText("t.txt", "neu\n");
    ScriptedLimits cancel(false);
    EXPECT_FALSE(catalog.ImportText(path, cancel));
    EXPECT_EQ(cancel.shown.minutes, 30);
    EXPECT_EQ(catalog.TimeLimit(), 1800);
    EXPECT_DOUBLE_EQ(catalog.FreeTextSpeedLimit(), 120.0);
    EXPECT_DOUBLE_EQ(catalog.FreeTextErrorLimit(), 1.0);
    ASSERT_EQ(catalog.FreeTextLines().size(), 1u);
    EXPECT_EQ(catalog.FreeTextLines()[0], "alt");

    ScriptedLimits confirm(true, {150, 2.5, 5});
    EXPECT_TRUE(catalog.ImportText(path, confirm));
    EXPECT_EQ(catalog.TimeLimit(), 300);
    EXPECT_DOUBLE_EQ(catalog.SpeedLimit(FREE_TEXT_LESSON), 150.0);
    EXPECT_DOUBLE_EQ(catalog.ErrorLimit(FREE_TEXT_LESSON), 2.5);
    EXPECT_EQ(catalog.LessonLine(FREE_TEXT_LESSON, 0), "neu");
    EXPECT_EQ(catalog.LessonLine(FREE_TEXT_LESSON, 1), "");
}

TEST(LimitValues, RefusesValuesOutOfRangeWithTheDialogMessages)
{
    EXPECT_EQ(LimitValues{}.ValidationMessage(), "");
    EXPECT_EQ((LimitValues{19.9, 1, 30}).ValidationMessage(), "Please enter a number between 20 and 999.");
    EXPECT_EQ((LimitValues{120, 10.5, 30}).ValidationMessage(), "Please enter a number between 0.1 and 10.");
    EXPECT_EQ((LimitValues{120, 1, 61}).ValidationMessage(), "Please enter an integer between 1 and 60.");
    EXPECT_EQ((LimitValues{999, 0.1, 1}).ValidationMessage(), "");
}

TEST(NormaliseLines, WrapsLongLinesAtTheLastSpaceIntoTheNextLine)
{
    TypeableCharacters typeable;
    typeable.Set(AllBytesFrom32());
    std::string longLine = std::string(60, 'a') + " " + std::string(14, 'b');
    ASSERT_EQ(longLine.size(), 75u);
    std::vector<std::string> lines = {longLine, "weiter"};
    LessonCatalog::NormaliseLines(lines, typeable);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(60, 'a'));
    EXPECT_EQ(lines[1], std::string(14, 'b') + " weiter");

    // Without a next line the overflow becomes a new last line, trailing space included.
    lines = {longLine};
    LessonCatalog::NormaliseLines(lines, typeable);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], std::string(14, 'b') + " ");

    // No space in the first 70 characters: the overflow is lost.
    lines = {std::string(80, 'x')};
    LessonCatalog::NormaliseLines(lines, typeable);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::string(70, 'x'));

    // A long line whose only early space is its first character leaves no empty line.
    lines = {std::string(1, ' ').append(79, 'y')};
    LessonCatalog::NormaliseLines(lines, typeable);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::string(70, 'y'));
}

TEST(NormaliseLines, CleansTabsSpacesAndUntypeableCharacters)
{
    TypeableCharacters typeable;
    typeable.Set("abc ");
    std::vector<std::string> lines = {"a\tb",
                                      "a     b",
                                      "a    b",
                                      "",
                                      "xyz",
                                      "a\x01"
                                      "c",
                                      "\t\t"};
    LessonCatalog::NormaliseLines(lines, typeable);
    const std::vector<std::string> expected = {"a b", "a  b", "a b", "ac", " "};
    EXPECT_EQ(lines, expected);
    lines = {"abc"};
    LessonCatalog::NormaliseLines(lines, TypeableCharacters());
    EXPECT_TRUE(lines.empty()); // nothing is typeable before a keyboard is loaded
}

namespace {

// The clean-up done the slow, literal way: in place, each overflow put in front of the
// next line before that line is cleaned.
std::vector<std::string> LiterallyNormalised(std::vector<std::string> lines,
                                             const TypeableCharacters& typeable)
{
    for (size_t i = 0; i < lines.size();) {
        std::string& line = lines[i];
        std::replace(line.begin(), line.end(), '\t', ' ');
        for (int pass = 0; pass < 2; ++pass)
            for (size_t at = line.find("  "); at != std::string::npos; at = line.find("  ", at + 1))
                line.erase(at, 1);
        std::erase_if(line, [&typeable](char c) { return !typeable.Contains(c); });
        const size_t space = line.size() > 70 ? line.rfind(' ', 69) : std::string::npos;
        if (space != std::string::npos) {
            const std::string carry = line.substr(space + 1) + ' ';
            line.resize(space);
            if (i + 1 == lines.size())
                lines.push_back(carry);
            else
                lines[i + 1].insert(0, carry);
        } else if (line.size() > 70) {
            line.resize(70);
        }
        if (lines[i].empty())
            lines.erase(lines.begin() + static_cast<long>(i));
        else
            ++i;
    }
    return lines;
}

} // namespace

TEST(NormaliseLines, GivesWhatTheLiteralCleanUpGives)
{
    // Long space runs and untypeable characters between spaces make runs that shrink
    // again with every line the carried text is cleaned with.
    TypeableCharacters typeable;
    typeable.Set("abc ");
    const std::string pieces[] = {"a",
                                  "bc",
                                  " ",
                                  " ",
                                  "\t",
                                  "\x01",
                                  "ccccccccccccccc",
                                  std::string(9, ' '),
                                  std::string(40, ' '),
                                  "b \x01 \x01  a"};
    for (unsigned seed = 0; seed < 400; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::string> lines(random() % 30);
        for (std::string& line : lines)
            for (unsigned n = random() % 60; n > 0; --n)
                line += pieces[random() % std::size(pieces)];
        const std::vector<std::string> expected = LiterallyNormalised(lines, typeable);
        LessonCatalog::NormaliseLines(lines, typeable);
        ASSERT_EQ(lines, expected) << "seed " << seed;
    }
}

TEST(NormaliseLines, AMegabyteParagraphOrLineIsWrappedWithoutCarryingItAlong)
{
    // Lines over 70 characters carry their ends into the next line, so a text of such
    // lines is wrapped like one long line: 14 words of four letters a line.
    TypeableCharacters typeable;
    typeable.Set(AllBytesFrom32());
    constexpr int kWords = 16 * 14000;
    std::vector<std::string> expected, longLines, oneLine(1);
    for (int i = 0; i < kWords; ++i) {
        const std::string word(4, static_cast<char>('a' + i % 26));
        for (std::vector<std::string>* lines : {&expected, &longLines}) {
            if (i % (lines == &expected ? 14 : 16) == 0)
                lines->emplace_back();
            else
                lines->back() += ' ';
            lines->back() += word;
        }
        oneLine[0] += (i ? " " : "") + word;
    }
    expected.back() += ' ';
    for (std::vector<std::string>* lines : {&longLines, &oneLine}) {
        LessonCatalog::NormaliseLines(*lines, typeable);
        EXPECT_EQ(*lines, expected);
    }
}

TEST_F(LessonCatalogTest, PlainTextFilesInUtf8OrWindows1250)
{
    LessonCatalog catalog(m_typeable, Course());
    ScriptedLimits ok(true);
    // UTF-8 with CR LF and an end-of-file byte after which nothing counts.
    EXPECT_TRUE(catalog.ImportText(WriteText("u.txt", "Gr\xC3\xBC\xC3\x9F"
                                                      "e\r\nzwei\x1A"
                                                      "drei\n"),
                                   ok));
    ASSERT_EQ(catalog.LessonLineCount(FREE_TEXT_LESSON), 2);
    EXPECT_EQ(catalog.LessonLine(FREE_TEXT_LESSON, 0), W("Grüße"));
    EXPECT_EQ(catalog.LessonLine(FREE_TEXT_LESSON, 1), "zwei");
    // The same word as Windows-1250 bytes is taken as it is.
    EXPECT_TRUE(catalog.ImportText(WriteText("w.txt", "Gr\xFC\xDF"
                                                      "e"),
                                   ok));
    EXPECT_EQ(catalog.LessonLine(FREE_TEXT_LESSON, 0), W("Grüße"));
    // Only empty and untypeable lines: no free text, yet a successful import.
    EXPECT_TRUE(catalog.ImportText(WriteText("b.txt", "\n\n\x01\x02\n\x1F"), ok));
    EXPECT_EQ(catalog.LessonLineCount(FREE_TEXT_LESSON), 0);
    // A missing file fails.
    EXPECT_FALSE(catalog.ImportText((m_dir / "nope.txt").string(), ok));
}

TEST_F(LessonCatalogTest, OversizedTextFileFailsButKeepsWhatWasRead)
{
    LessonCatalog catalog(m_typeable, Course());
    ScriptedLimits ok(true);
    std::string big;
    const std::string line = "Ein Satz zum Abschreiben.\n";
    while (big.size() <= 16u * 1024 * 1024)
        big += line;
    EXPECT_FALSE(catalog.ImportText(WriteText("big.txt", big), ok));
    EXPECT_GT(catalog.LessonLineCount(FREE_TEXT_LESSON), 600000);
}

TEST_F(LessonCatalogTest, RtfFilesGoToTheRtfReaderWhateverTheCase)
{
    LessonCatalog catalog(m_typeable, Course());
    ScriptedLimits ok(true);
    EXPECT_TRUE(
        catalog.ImportText(WriteText("brief.RTF", "{\\rtf1{\\fonttbl{\\f0 Arial;}}Hallo Welt\\par}"), ok));
    ASSERT_EQ(catalog.LessonLineCount(FREE_TEXT_LESSON), 1);
    EXPECT_EQ(catalog.LessonLine(FREE_TEXT_LESSON, 0), " Hallo Welt");

    try {
        catalog.ImportText((m_dir / "fehlt.rtf").string(), ok);
        ADD_FAILURE() << "a missing RTF file must raise a file error";
    } catch (const RtfFileError& error) {
        EXPECT_EQ(error.kind(), RtfFileError::Kind::NotFound);
    }
}
