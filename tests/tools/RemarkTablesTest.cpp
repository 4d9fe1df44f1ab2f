// The program reads the remark tables with a small state machine that stops silently at
// the first line it does not expect, and builds a remark by following each picked
// phrase to a table of the group before. A slip in the committed source therefore shows
// only as remarks that are cut short or missing; these tests read the source the same
// way and make sure all of it is used and every chain comes to an end.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::string kSource = std::string(TIPPWERK_SOURCE_DIR) + "/data/config/textinfo.ddd.utf8";

struct Table
{
    int mode = 0;
    int line = 0;
    std::vector<std::string> phrases;
    std::vector<int> links; // per phrase: index of the next table, -1 for none
};

struct Loaded
{
    std::vector<Table> tables;
    int stopLine = 0; // 1-based line where reading stopped; 0 when all lines were read
};

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Loaded Load(const std::vector<std::string>& lines)
{
    Loaded loaded;
    enum class Expect
    {
        Header,
        Mode,
        Phrase
    } expect = Expect::Header;
    std::vector<int> previousGroup;
    std::vector<int> currentGroup;
    std::string previousHeader;
    int k = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (expect == Expect::Header) {
            if (line.empty() || line[0] != ':') {
                loaded.stopLine = static_cast<int>(i) + 1;
                break;
            }
            if (loaded.tables.empty() || line != previousHeader) {
                previousGroup = currentGroup;
                currentGroup.clear();
            }
            previousHeader = line;
            currentGroup.push_back(static_cast<int>(loaded.tables.size()));
            loaded.tables.push_back({0, static_cast<int>(i) + 1, {}, {}});
            k = 0;
            expect = Expect::Mode;
        } else if (expect == Expect::Mode) {
            if (line.empty() || line[0] != '#') {
                loaded.stopLine = static_cast<int>(i) + 1;
                break;
            }
            std::string digits = line;
            digits.erase(std::remove(digits.begin(), digits.end(), '#'), digits.end());
            loaded.tables.back().mode = std::atoi(digits.c_str());
            expect = Expect::Phrase;
        } else if (line.empty()) {
            expect = Expect::Header;
        } else {
            Table& table = loaded.tables.back();
            const int n = static_cast<int>(previousGroup.size());
            int link = -1;
            if (n > 0)
                link = table.mode > 0 ? previousGroup[std::min(k, n - 1)] : previousGroup[0];
            table.phrases.push_back(line);
            table.links.push_back(link);
            if (table.mode > 0)
                ++k;
        }
    }
    return loaded;
}

// Decodes UTF-8; false on a malformed sequence.
bool CodePoints(const std::string& text, std::vector<char32_t>& out)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : -1;
        if (extra < 0 || i + extra >= text.size())
            return false;
        char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : (b & 0x0F);
        for (int j = 1; j <= extra; ++j) {
            const unsigned char c = static_cast<unsigned char>(text[i + j]);
            if ((c >> 6) != 2)
                return false;
            cp = cp << 6 | (c & 0x3F);
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return true;
}

class RemarkTablesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lines = ReadLines(kSource);
        ASSERT_FALSE(lines.empty()) << "cannot read " << kSource;
        loaded = Load(lines);
    }

    std::vector<std::string> lines;
    Loaded loaded;
};

TEST_F(RemarkTablesTest, SourceLoadsToItsLastLineAndEveryTableHasPhrases)
{
    EXPECT_EQ(loaded.stopLine, 0) << "the program stops reading at line " << loaded.stopLine;
    ASSERT_FALSE(loaded.tables.empty());
    for (const Table& table : loaded.tables)
        EXPECT_FALSE(table.phrases.empty()) << "table at line " << table.line;
}

TEST_F(RemarkTablesTest, EveryChainEndsAndReachesEveryTable)
{
    // Values and random draws decide which phrase a table picks; any phrase may be the
    // one, so every path through the links must end.
    std::vector<bool> reached(loaded.tables.size(), false);
    const std::size_t limit = loaded.tables.size();
    long chains = 0;
    std::function<void(int, std::size_t)> walk = [&](int table, std::size_t depth) {
        if (table < 0) {
            ++chains;
            return;
        }
        ASSERT_LE(depth, limit) << "a chain does not end (table at line " << loaded.tables[table].line << ")";
        reached[table] = true;
        for (int link : loaded.tables[table].links)
            walk(link, depth + 1);
        if (loaded.tables[table].links.empty())
            ++chains;
    };
    walk(static_cast<int>(loaded.tables.size()) - 1, 0);
    EXPECT_GT(chains, 0);
    for (std::size_t t = 0; t < loaded.tables.size(); ++t)
        EXPECT_TRUE(reached[t]) << "table at line " << loaded.tables[t].line << " is never reached";
}

TEST_F(RemarkTablesTest, EveryPhraseCanBePicked)
{
    // The remark starts at the last table; modes 3 and above 8 would take the value of a
    // table before it, which the first table has not got.
    const int startMode = loaded.tables.back().mode;
    EXPECT_FALSE(startMode == 3 || startMode > 8);
    // A random table draws 0 to 98, so with more than 50 phrases its last one never comes up.
    for (const Table& table : loaded.tables) {
        if (table.mode <= 0) {
            EXPECT_LE(table.phrases.size(), 50u) << "table at line " << table.line;
        }
        EXPECT_LE(table.phrases.size(), 100u) << "table at line " << table.line;
    }
}

TEST_F(RemarkTablesTest, PhrasesAreCompleteSentencesOrLeadIntoTheirKeyList)
{
    for (const Table& table : loaded.tables) {
        for (const std::string& phrase : table.phrases) {
            ASSERT_FALSE(phrase.empty());
            const char last = phrase.back();
            if (table.mode == 5 || table.mode == 7) {
                EXPECT_EQ(last, ':') << phrase; // the key list follows
            } else {
                EXPECT_TRUE(last == '.' || last == '!' || last == '?') << phrase;
            }
            // Nothing is filled into a phrase: such marks would be shown as they stand.
            EXPECT_EQ(phrase.find_first_of("%{}<>$[]|\\"), std::string::npos) << phrase;
            EXPECT_EQ(phrase.find("  "), std::string::npos) << phrase;
            EXPECT_NE(phrase.front(), ' ') << phrase;
        }
    }
}

TEST_F(RemarkTablesTest, TextIsUtf8ThatWindows1250Holds)
{
    // Printable ASCII, the German letters and the German quotes and dash: all of them
    // have a Windows-1250 byte, so the build's conversion loses nothing.
    const std::u32string allowed = U"ÄÖÜäöüß„“–";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<char32_t> cps;
        ASSERT_TRUE(CodePoints(lines[i], cps)) << "line " << i + 1 << " is not UTF-8";
        for (char32_t cp : cps)
            EXPECT_TRUE((cp >= 0x20 && cp < 0x7F) || allowed.find(cp) != std::u32string::npos)
                << "line " << i + 1 << " has U+" << std::hex << static_cast<unsigned>(cp);
    }
}

TEST(RemarkTablesLoader, StopsWhereTheProgramStops)
{
    // The checks above rely on this reader noticing what the program would skip.
    const std::vector<std::string> good = {":A", "#0", "Eins.", "", ":B", "#2", "Zwei.", "Drei."};
    const Loaded ok = Load(good);
    EXPECT_EQ(ok.stopLine, 0);
    ASSERT_EQ(ok.tables.size(), 2u);
    EXPECT_EQ(ok.tables[1].links, (std::vector<int>{0, 0}));

    std::vector<std::string> doubledBlank = good;
    doubledBlank.insert(doubledBlank.begin() + 3, "");
    EXPECT_EQ(Load(doubledBlank).stopLine, 5);
    std::vector<std::string> noMode = good;
    noMode[5] = "2";
    EXPECT_EQ(Load(noMode).stopLine, 6);
}

} // namespace
