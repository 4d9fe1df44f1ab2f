#include "exercise/LineFile.h"
#include "exercise/PackedTestSupport.h"
#include "exercise/ReferenceBlockCoder.h"

#include <algorithm>
#include <gtest/gtest.h>

using packedtest::GermanText;
using packedtest::RandomBytes;
using packedtest::ReadAll;
using packedtest::TempFolder;
using packedtest::WriteAll;

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

std::vector<std::string> Loaded(const std::string& path, bool expectSuccess = true)
{
    LineFile file;
    EXPECT_EQ(file.LoadLines(path), expectSuccess) << path;
    return file.Lines();
}

LineFile WithLines(const std::vector<std::string>& lines)
{
    LineFile file;
    for (const std::string& line : lines) {
        file.AddLine(line);
    }
    return file;
}

std::vector<std::string> GermanLines(std::size_t bytes, unsigned seed)
{
    std::vector<std::string> lines;
    const std::string text = GermanText(bytes, seed);
    std::size_t start = 0;
    for (std::size_t lf = text.find("\r\n"); lf != std::string::npos; lf = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, lf - start));
        start = lf + 2;
    }
    return lines;
}

} // namespace

TEST(LineFile, SavedLinesComeBackUnchanged)
{
    TempFolder folder;
    std::vector<std::string> lines = GermanLines(20000, 1);
    lines.insert(lines.begin(), {"", TextCodec::FromUtf8("Übung¤ größer"), "mit\rCR", "endet mit CR\r", ""});
    lines.push_back(std::string(9000, 'w')); // spans three blocks
    for (unsigned seed = 0; seed < 50; ++seed) {
        std::string line = RandomBytes(seed * 37, seed);
        std::replace(line.begin(), line.end(), '\n', 'n');
        lines.push_back(line);
    }
    LineFile file = WithLines(lines);
    ASSERT_TRUE(file.SaveLines(folder.File("a.ddd")));
    EXPECT_EQ(Loaded(folder.File("a.ddd")), lines);

    LineFile empty;
    ASSERT_TRUE(empty.SaveLines(folder.File("empty.ddd")));
    EXPECT_EQ(std::filesystem::file_size(folder.File("empty.ddd")), 0u);
    LineFile reloaded;
    EXPECT_TRUE(reloaded.LoadLines(folder.File("empty.ddd")));
    EXPECT_EQ(reloaded.LineCount(), 0);
}

TEST(LineFile, LineEndsAreCutAsTheFormatSays)
{
    TempFolder folder;
    // A bare LF takes the character before it as the CR; text after the last LF is no line.
    const std::string text = "\neins\r\nzwei\n\r\n" + std::string(5000, 'x') + "\r\nRest ohne Ende";
    WriteAll(folder.File("t.ddd"), reference::EncodeFile(text, 4096));
    LineFile file;
    ASSERT_TRUE(file.LoadLines(folder.File("t.ddd")));
    EXPECT_EQ(file.Lines(), (std::vector<std::string>{"", "eins", "zwe", "", std::string(5000, 'x')}));
    EXPECT_EQ(file.CarryOver(), "Rest ohne Ende");

    ASSERT_TRUE(file.SaveLines(folder.File("t.ddd")));
    EXPECT_TRUE(file.CarryOver().empty()) << "saving drops the unterminated rest";
    EXPECT_EQ(Loaded(folder.File("t.ddd")), file.Lines());
}

TEST(LineFile, CursorAndIndexedAccess)
{
    TempFolder folder;
    LineFile file = WithLines({"a", "b"});
    std::string out = "stale";
    EXPECT_TRUE(file.NextLine(out));
    EXPECT_EQ(out, "a");
    EXPECT_TRUE(file.NextLine(out));
    EXPECT_EQ(out, "b");
    EXPECT_FALSE(file.NextLine(out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(file.NextLine(out)) << "the cursor starts again at the first line";
    EXPECT_EQ(out, "a");
    ASSERT_TRUE(file.SaveLines(folder.File("c.ddd")));
    EXPECT_TRUE(file.NextLine(out)) << "saving resets the cursor";
    EXPECT_EQ(out, "a");

    EXPECT_EQ(file.LineAt(1), "b");
    EXPECT_EQ(file.LineAt(2), "");
    EXPECT_EQ(file.LineAt(-1), "");

    LineFile empty;
    EXPECT_FALSE(empty.NextLine(out));
    EXPECT_FALSE(empty.NextLine(out));
}

TEST(LineFile, LoadingAppendsAndClearingStartsOver)
{
    TempFolder folder;
    ASSERT_TRUE(WithLines({"1", "2"}).SaveLines(folder.File("a.ddd")));
    ASSERT_TRUE(WithLines({"3"}).SaveLines(folder.File("b.ddd")));
    LineFile file;
    ASSERT_TRUE(file.LoadLines(folder.File("a.ddd")));
    ASSERT_TRUE(file.LoadLines(folder.File("b.ddd")));
    EXPECT_EQ(file.Lines(), (std::vector<std::string>{"1", "2", "3"}));
    std::string out;
    file.NextLine(out);
    file.ClearLines();
    EXPECT_EQ(file.LineCount(), 0);
    file.AddLine("neu");
    EXPECT_TRUE(file.NextLine(out));
    EXPECT_EQ(out, "neu");
}

TEST(LineFile, WholeBlocksLeaveNoEmptyBlockBehind)
{
    TempFolder folder;
    const std::vector<std::string> lines(3 * 64, std::string(62, 'q')); // 64 bytes per line
    ASSERT_TRUE(WithLines(lines).SaveLines(folder.File("k.ddd")));
    const auto decoded = reference::DecodeFile(ReadAll(folder.File("k.ddd")));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->blockLengths, (std::vector<std::size_t>{4096, 4096, 4096}));

    std::vector<std::string> oneMore = lines;
    oneMore.back() += 'q';
    ASSERT_TRUE(WithLines(oneMore).SaveLines(folder.File("k.ddd")));
    EXPECT_EQ(reference::DecodeFile(ReadAll(folder.File("k.ddd")))->blockLengths,
              (std::vector<std::size_t>{4096, 4096, 4096, 1}));
}

TEST(LineFileInterop, SavedFilesReadWithTheReference)
{
    TempFolder folder;
    for (unsigned seed = 0; seed < 4; ++seed) {
        std::vector<std::string> lines = GermanLines(30000 + seed * 4096, seed);
        if (seed % 2) {
            lines.push_back(RandomBytes(10000, seed)); // a line with LF bytes still round-trips here
        }
        ASSERT_TRUE(WithLines(lines).SaveLines(folder.File("i.ddd")));
        const auto decoded = reference::DecodeFile(ReadAll(folder.File("i.ddd")));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->text, Joined(lines));
        EXPECT_LE(decoded->longestCode, 22);
    }
}

TEST(LineFileInterop, ReferenceFilesLoadWithAnyBlockSize)
{
    TempFolder folder;
    const std::vector<std::string> lines = GermanLines(9000, 9);
    const std::string text = Joined(lines);
    for (const std::size_t blockSize :
         {std::size_t{1}, std::size_t{7}, std::size_t{4096}, std::size_t{4097}, std::size_t{131072}}) {
        for (const auto shape : {reference::CodeShape::Flat, reference::CodeShape::Shannon}) {
            SCOPED_TRACE(blockSize);
            WriteAll(folder.File("r.ddd"), reference::EncodeFile(text, blockSize, {shape}));
            EXPECT_EQ(Loaded(folder.File("r.ddd")), lines);
        }
    }
}

TEST(LineFileFaults, DamagedFilesFailAndKeepTheLinesBeforeTheFault)
{
    TempFolder folder;
    const std::vector<std::string> lines = GermanLines(8000, 3);
    ASSERT_TRUE(WithLines(lines).SaveLines(folder.File("ok.ddd")));
    const std::string valid = ReadAll(folder.File("ok.ddd"));
    const std::size_t firstBlockEnd =
        8 + (static_cast<unsigned char>(valid[4]) | static_cast<unsigned char>(valid[5]) << 8);
    const std::size_t linesInFirstBlock = GermanLines(4096, 3).size();

    // Every short read: inside a length, inside the packed bytes, or a partial next block.
    for (std::size_t cut = 1; cut < valid.size(); ++cut) {
        WriteAll(folder.File("cut.ddd"), valid.substr(0, cut));
        const auto loaded = Loaded(folder.File("cut.ddd"), cut == firstBlockEnd);
        EXPECT_EQ(loaded.size(), cut >= firstBlockEnd ? linesInFirstBlock : 0u) << cut;
    }

    auto withLengths = [&](std::uint32_t unpacked, std::uint32_t packed) {
        std::string bytes = valid;
        for (int i = 0; i < 4; ++i) {
            bytes[i] = static_cast<char>(unpacked >> (8 * i));
            bytes[4 + i] = static_cast<char>(packed >> (8 * i));
        }
        return bytes;
    };
    const auto packedLength = static_cast<std::uint32_t>(firstBlockEnd - 8);
    const std::vector<std::string> damaged = {
        withLengths(131073, packedLength),
        withLengths(4096, 131073),
        withLengths(0xFFFFFFFF, 0xFFFFFFFF),
        withLengths(4096, 0),
        withLengths(4095, packedLength),
        withLengths(4097, packedLength),
        valid + std::string(1, '\0'),
        valid + std::string(3, '\x01'),
        RandomBytes(5000, 1),
        std::string(64, '\0') + "x",
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        WriteAll(folder.File("bad.ddd"), damaged[i]);
        LineFile file;
        EXPECT_FALSE(file.LoadLines(folder.File("bad.ddd"))) << i;
    }
    for (unsigned seed = 0; seed < 200; ++seed) {
        WriteAll(folder.File("junk.ddd"), RandomBytes(seed * 13 % 3000, seed));
        LineFile file;
        EXPECT_EQ(file.LoadLines(folder.File("junk.ddd")), seed * 13 % 3000 == 0);
    }

    LineFile file;
    EXPECT_FALSE(file.LoadLines(folder.File("missing.ddd")));
    EXPECT_FALSE(file.LoadLines(folder.Path().string()));
}

TEST(LineFileFaults, TextOverTheLimitIsRefusedAsDamaged)
{
    TempFolder folder;
    // A line longer than many pieces, then many short ones; each line costs a string.
    const std::string text = std::string(300000, 'x') + "\r\n" + Joined(GermanLines(30000, 3));
    const std::size_t cost = text.size() + std::count(text.begin(), text.end(), '\n') * sizeof(std::string);
    WriteAll(folder.File("t.ddd"), reference::EncodeFile(text, 4096));
    LineFile whole;
    ASSERT_TRUE(whole.LoadLines(folder.File("t.ddd"), cost));
    EXPECT_EQ(whole.LineAt(0), std::string(300000, 'x'));
    LineFile overCost, overText;
    EXPECT_FALSE(overCost.LoadLines(folder.File("t.ddd"), cost - 1));
    EXPECT_FALSE(overText.LoadLines(folder.File("t.ddd"), text.size() - 1));
    EXPECT_GT(overText.LineCount(), 1); // the lines before the refused block stay
    EXPECT_LT(overText.LineCount(), whole.LineCount());

    // Nothing but line ends: a small text that would take many times its size.
    WriteAll(folder.File("ends.ddd"), reference::EncodeFile(std::string(200000, '\n'), 4096));
    EXPECT_FALSE(LineFile().LoadLines(folder.File("ends.ddd"), 1u << 20));
    EXPECT_TRUE(LineFile().LoadLines(folder.File("ends.ddd"), 8u << 20));

    // Without a limit of its own a reader takes data files of a few MB, no more.
    const std::string big(LineFileLimits::kDataFileBytes + 1, 'y');
    WriteAll(folder.File("big.ddd"), reference::EncodeFile(big, 131072));
    EXPECT_FALSE(LineFile().LoadLines(folder.File("big.ddd")));
    LineFile statistics;
    EXPECT_TRUE(statistics.LoadLines(folder.File("big.ddd"), LineFileLimits::kStatisticsFileBytes));
    EXPECT_EQ(statistics.CarryOver().size(), big.size());
}

TEST(LineFileSave, FailedSavesKeepThePreviousFileAndLeaveNoTemporaryFile)
{
    TempFolder folder;
    const std::string target = folder.File("user.dat");
    ASSERT_TRUE(WithLines({"alt"}).SaveLines(target));
    std::filesystem::permissions(target, std::filesystem::perms(0640));
    ASSERT_TRUE(WithLines({"neu"}).SaveLines(target));
    EXPECT_EQ(Loaded(target), std::vector<std::string>{"neu"});
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"user.dat"});

    LineFile lines = WithLines({"nie"});
    EXPECT_FALSE(lines.SaveLines(folder.File("missing/user.dat")));
    // A folder in the target's place cannot be replaced by the finished file.
    std::filesystem::create_directories(folder.File("taken/inside"));
    EXPECT_FALSE(lines.SaveLines(folder.File("taken")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("taken/inside")));
    EXPECT_EQ(folder.Entries().size(), 2u);

    if (::geteuid() != 0) { // permissions do not stop root
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        EXPECT_FALSE(lines.SaveLines(target));
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    EXPECT_EQ(Loaded(target), std::vector<std::string>{"neu"});
    EXPECT_EQ(folder.Entries().size(), 2u);
}
