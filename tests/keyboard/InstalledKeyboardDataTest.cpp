// The keyboard, composed-character, keyboard list and hands files that come with the
// program, packed here from their UTF-8 sources as the build packs them, and the
// lesson courses checked against the keyboards they are written for.
#include "ProgramFolderFixture.h"
#include "exercise/LessonCatalog.h"
#include "keyboard/CharacterMap.h"
#include "keyboard/HandModel.h"
#include "keyboard/KeyboardList.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

namespace {

const fs::path kDataDir = fs::path(TIPPWERK_SOURCE_DIR) / "data";

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines as the data tool's pack command splits them.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string PrintableAscii()
{
    std::string all;
    for (char c = 0x20; c < 0x7F; ++c)
        all += c;
    return all;
}

std::string Shown(char c)
{
    std::string shown = "'";
    shown += TextCodec::ToUtf8(std::string(1, c));
    shown += '\'';
    return shown;
}

class InstalledKeyboardDataTest : public ProgramFolderFixture
{
protected:
    void SetUp() override
    {
        ProgramFolderFixture::SetUp();
        for (const auto& entry : fs::directory_iterator(kDataDir / "config")) {
            const std::string file = entry.path().filename().string();
            const std::string text = ReadBytes(entry.path());
            if (file.ends_with(".kdd.utf8") || file.ends_with(".odd.utf8") || file == "hands.ddd.utf8") {
                // The build converts with iconv, which fails on what Windows-1250 lacks.
                const std::string converted = TextCodec::FromUtf8(text);
                ASSERT_EQ(TextCodec::ToUtf8(converted), text) << file << " holds text outside Windows-1250";
                LineFile packed;
                for (auto& line : SplitLines(converted))
                    packed.AddLine(std::move(line));
                ASSERT_TRUE(packed.SaveLines(ConfigPath(file.substr(0, file.size() - 5))));
            } else if (file == "keyboards.txt") {
                std::ofstream(ConfigPath(file), std::ios::binary) << TextCodec::FromUtf8(text);
            }
        }
    }

    // Loads the keyboard into m_layout and m_map; both loads must be complete.
    void LoadKeyboard(const std::string& name)
    {
        KeyboardLayout probe;
        ASSERT_TRUE(probe.Load(name)) << name;
        ASSERT_TRUE(m_map.LoadKeyboard(name)) << name;
        ASSERT_EQ(m_layout.KeyCount(), probe.KeyCount());
    }

    int KeyNamed(const std::string& utf8Name) const
    {
        for (int i = 0; i < m_layout.KeyCount(); ++i)
            if (m_layout.Keys()[static_cast<size_t>(i)].name == W(utf8Name))
                return i;
        ADD_FAILURE() << "no key " << utf8Name;
        return -1;
    }

    std::array<int, 4> Strokes(const std::string& utf8Character) const
    {
        std::array<int, 4> s = {-1, -1, -1, -1};
        EXPECT_TRUE(m_map.Find(W(utf8Character)[0], s[0], s[1], s[2], s[3])) << utf8Character;
        return s;
    }

    // Centre of key `index` in keyboard units.
    double CentreX(int index) const
    {
        const KeyboardKey& key = m_layout.Keys()[static_cast<size_t>(index)];
        return key.left + key.WidthUnits() / 2.0;
    }

    KeyboardLayout m_layout;
    CharacterMap m_map{m_layout, m_typeable};
};

} // namespace

TEST_F(InstalledKeyboardDataTest, EveryListedKeyboardLoadsCompletely)
{
    KeyboardList list;
    ASSERT_TRUE(list.Load());
    std::vector<std::string> listed;
    for (const auto& entry : list.Entries())
        listed.push_back(entry.keyboardName + "|" + TextCodec::ToUtf8(entry.displayName));
    EXPECT_EQ(listed, (std::vector<std::string>{"00000407|Deutsch (Deutschland)", "00000409|Englisch (USA)",
                                                "NUM|Ziffernblock"}));
    // Every keyboard file is listed, and the keypad is offered without a system layout.
    const auto files = KeyboardList::KeyboardFileNames();
    EXPECT_EQ(files, (std::vector<std::string>{"00000407", "00000409", "NUM"}));
    EXPECT_EQ(list.Offered(files, nullptr), (std::vector<int>{2}));

    for (const auto& name : files) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(LoadKeyboard(name));
        EXPECT_FALSE(m_typeable.Characters().empty());
    }
}

TEST_F(InstalledKeyboardDataTest, KeysLieInTheAreaApartAndStruckByTheirHand)
{
    for (const std::string name : {"00000407", "00000409", "NUM"}) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(LoadKeyboard(name));
        const auto& keys = m_layout.Keys();
        for (size_t i = 0; i < keys.size(); ++i) {
            const KeyboardKey& a = keys[i];
            const std::string label = TextCodec::ToUtf8(a.name);
            EXPECT_GE(a.left, 0) << label;
            EXPECT_GE(a.top, 0) << label;
            EXPECT_LE(a.left + a.WidthUnits(), 300) << label;
            EXPECT_LE(a.top + a.HeightUnits(), 100) << label;
            EXPECT_GE(a.WidthUnits(), 16) << label;
            EXPECT_GE(a.finger, -1) << label;
            EXPECT_LE(a.finger, 9) << label;
            // A key that types anything is struck by a finger.
            if (a.name.size() == 1 || a.shifted || a.altgr) {
                EXPECT_GE(a.finger, 0) << label;
            }
            for (size_t j = i + 1; j < keys.size(); ++j) {
                const KeyboardKey& b = keys[j];
                const bool apart = a.left + a.WidthUnits() <= b.left || b.left + b.WidthUnits() <= a.left ||
                                   a.top + a.HeightUnits() <= b.top || b.top + b.HeightUnits() <= a.top;
                EXPECT_TRUE(apart) << label << " overlaps " << TextCodec::ToUtf8(b.name);
            }
        }
        // The Enter key types the line end.
        EXPECT_GE(KeyNamed("¤"), 0);
        if (name == "NUM")
            continue;
        EXPECT_EQ(Strokes(" ")[1], KeyNamed(" "));
        ASSERT_GE(m_layout.LeftShift(), 0);
        ASSERT_GE(m_layout.RightShift(), 0);
        ASSERT_GE(m_layout.RightAlt(), 0);
        EXPECT_LT(m_layout.FingerOf(m_layout.LeftShift()), 5);
        EXPECT_GE(m_layout.FingerOf(m_layout.RightShift()), 5);
        EXPECT_GE(m_layout.FingerOf(m_layout.RightAlt()), 5);
        EXPECT_EQ(m_layout.Keys()[static_cast<size_t>(m_layout.RightAlt())].top, 80);

        // The main block is centred, and the midpoint between F and J lies within one
        // key of the midpoint between the index fingertips of the hands picture.
        int leftmost = 300;
        int rightmost = 0;
        for (const auto& key : keys) {
            leftmost = std::min(leftmost, key.left);
            rightmost = std::max(rightmost, key.left + key.WidthUnits());
        }
        EXPECT_EQ(leftmost + rightmost, 300);
        const HandModel hands;
        ASSERT_TRUE(hands.IsComplete());
        double tips = 0;
        for (int finger : {3, 6}) {
            int top = 100;
            int tipX = 0;
            for (const auto& point : hands.Outline(finger))
                if (point.y < top) {
                    top = point.y;
                    tipX = point.x;
                }
            tips += tipX * 300.0 / 700.0 / 2;
        }
        const double homeKeys = (CentreX(KeyNamed("f")) + CentreX(KeyNamed("j"))) / 2;
        EXPECT_NEAR(homeKeys, tips, 19.0);
    }
}

TEST_F(InstalledKeyboardDataTest, GermanKeyboardTypesAsciiUmlautsAltGrAndDeadKeys)
{
    ASSERT_NO_FATAL_FAILURE(LoadKeyboard("00000407"));
    const std::string typeable = m_typeable.Characters();
    for (char c : PrintableAscii() + "\xA4" + W("äöüÄÖÜß§°´€µâîôÂÎÔáéíóúýÁÉÍÓÚÝ"))
        EXPECT_NE(typeable.find(c), std::string::npos) << Shown(c);
    EXPECT_EQ(std::set<char>(typeable.begin(), typeable.end()).size(), 95u + 1 + 30);

    const int rightAlt = m_layout.RightAlt();
    const int leftShift = m_layout.LeftShift();
    const int rightShift = m_layout.RightShift();
    EXPECT_EQ(Strokes("@"), (std::array<int, 4>{rightAlt, KeyNamed("q"), -1, -1}));
    EXPECT_EQ(Strokes("~"), (std::array<int, 4>{rightAlt, KeyNamed("+"), -1, -1}));
    EXPECT_EQ(Strokes("\\"), (std::array<int, 4>{rightAlt, KeyNamed("ß"), -1, -1}));
    EXPECT_EQ(Strokes("|"), (std::array<int, 4>{rightAlt, KeyNamed("<"), -1, -1}));
    EXPECT_EQ(Strokes(":"), (std::array<int, 4>{leftShift, KeyNamed("."), -1, -1}));
    EXPECT_EQ(Strokes("Q"), (std::array<int, 4>{rightShift, KeyNamed("q"), -1, -1}));
    EXPECT_EQ(Strokes("Ä"), (std::array<int, 4>{leftShift, KeyNamed("ä"), -1, -1}));
    // Dead keys: accent first, then the letter (with Shift for a capital).
    EXPECT_EQ(Strokes("Â"), (std::array<int, 4>{-1, KeyNamed("^"), rightShift, KeyNamed("a")}));
    EXPECT_EQ(Strokes("é"), (std::array<int, 4>{-1, KeyNamed("´"), -1, KeyNamed("e")}));
    EXPECT_EQ(Strokes("Ú"), (std::array<int, 4>{-1, KeyNamed("´"), leftShift, KeyNamed("u")}));
    EXPECT_EQ(Strokes("`"), (std::array<int, 4>{leftShift, KeyNamed("´"), -1, -1}));
    // The ISO Enter key reaches over two rows.
    EXPECT_EQ(m_layout.Keys()[static_cast<size_t>(KeyNamed("¤"))].size, -2);
}

TEST_F(InstalledKeyboardDataTest, UsKeyboardTypesAsciiButTheTilde)
{
    // A tilde in the Shift column means the colon, so Shift+` cannot be written down.
    ASSERT_NO_FATAL_FAILURE(LoadKeyboard("00000409"));
    std::string expected = PrintableAscii() + "\xA4";
    expected.erase(expected.find('~'), 1);
    const std::string typeable = m_typeable.Characters();
    EXPECT_EQ(std::set<char>(typeable.begin(), typeable.end()),
              std::set<char>(expected.begin(), expected.end()));
    EXPECT_EQ(typeable.size(), expected.size());
    EXPECT_EQ(Strokes(":"), (std::array<int, 4>{m_layout.LeftShift(), KeyNamed(";"), -1, -1}));
    EXPECT_EQ(Strokes("@"), (std::array<int, 4>{m_layout.RightShift(), KeyNamed("2"), -1, -1}));
    EXPECT_EQ(m_map.Entries().size(), expected.size());
}

TEST_F(InstalledKeyboardDataTest, KeypadIsTypedByTheRightHand)
{
    ASSERT_NO_FATAL_FAILURE(LoadKeyboard("NUM"));
    EXPECT_EQ(m_typeable.Characters(), "/*-789+456123\xA4"
                                       "0,");
    const std::pair<const char*, int> fingers[] = {
        {"4", 6}, {"1", 6}, {"7", 6}, {"5", 7}, {"2", 7}, {"8", 7}, {"/", 7}, {"6", 8},
        {"3", 8}, {"9", 8}, {"*", 8}, {",", 8}, {"+", 9}, {"-", 9}, {"¤", 9}, {"0", 5},
    };
    for (const auto& [key, finger] : fingers)
        EXPECT_EQ(m_layout.FingerOf(KeyNamed(key)), finger) << key;
    EXPECT_EQ(m_layout.LeftShift(), -1);
    EXPECT_EQ(m_layout.RightAlt(), -1);
}

TEST_F(InstalledKeyboardDataTest, HandsFileHasTenOutlinesInsideTheHandsArea)
{
    HandModel hands;
    ASSERT_EQ(hands.OutlineCount(), 10);
    EXPECT_TRUE(hands.Load("hands.ddd")); // read to its end
    for (int finger = 0; finger < 10; ++finger) {
        SCOPED_TRACE(finger);
        ASSERT_FALSE(hands.Outline(finger).empty());
        for (const HandPoint& p : hands.Outline(finger)) {
            EXPECT_GE(p.x, 0);
            EXPECT_LE(p.x, 700);
            EXPECT_GE(p.y, 0);
            EXPECT_LE(p.y, 100);
        }
    }
}

TEST_F(InstalledKeyboardDataTest, EveryLessonLineIsTypeableOnItsKeyboard)
{
    std::vector<fs::path> courses;
    if (fs::is_directory(kDataDir / "lessons"))
        for (const auto& entry : fs::directory_iterator(kDataDir / "lessons"))
            if (entry.path().filename().string().ends_with(".ddd.utf8"))
                courses.push_back(entry.path());
    if (courses.empty())
        GTEST_SKIP() << "no courses in " << (kDataDir / "lessons").string();
    std::sort(courses.begin(), courses.end());

    fs::create_directories(m_dir / "lessons");
    for (const fs::path& source : courses) {
        // <keyboard><two-character lesson set>.ddd.utf8
        const std::string course =
            source.filename().string().substr(0, source.filename().string().size() - 9);
        ASSERT_GT(course.size(), 2u) << source;
        const std::string keyboard = course.substr(0, course.size() - 2);
        SCOPED_TRACE(course);
        ASSERT_NO_FATAL_FAILURE(LoadKeyboard(keyboard));

        const std::string text = ReadBytes(source);
        LineFile packed;
        for (auto& line : SplitLines(TextCodec::FromUtf8(text)))
            packed.AddLine(std::move(line));
        const std::string path = (m_dir / "lessons" / (course + ".ddd")).string();
        ASSERT_TRUE(packed.SaveLines(path));
        LessonCatalog catalog(m_typeable);
        ASSERT_TRUE(catalog.ReloadLessonsFrom(path));
        ASSERT_GT(catalog.LessonCount(), 0);

        int reported = 0;
        for (int lesson = 0; lesson < catalog.LessonCount(); ++lesson)
            for (int n = 0; n < catalog.LessonLineCount(lesson); ++n) {
                const std::string line = catalog.LessonLine(lesson, n);
                for (char c : line)
                    if (!m_typeable.Contains(c) && reported++ < 20)
                        ADD_FAILURE() << course << " lesson " << lesson << " line " << n << ": " << Shown(c)
                                      << " cannot be typed in \"" << TextCodec::ToUtf8(line) << "\"";
            }
        EXPECT_EQ(reported, 0) << course << ": untypeable characters in all";
    }
}
