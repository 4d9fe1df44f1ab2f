#include "exercise/PackedFile.h"
#include "exercise/PackedFileError.h"
#include "exercise/PackedTestSupport.h"
#include "exercise/ReferenceBlockCoder.h"

#include <gtest/gtest.h>

using packedtest::GermanText;
using packedtest::ReadAll;
using packedtest::TempFolder;

TEST(PackedFile, OpeningChecksModeAndBlockSize)
{
    TempFolder folder;
    PackedFile file;
    EXPECT_FALSE(file.Open(folder.File("x"), 2, 4096));
    EXPECT_FALSE(file.Open(folder.File("x"), -1, 4096));
    EXPECT_FALSE(file.Open(folder.File("x"), PackedFile::kWriteMode, 0));
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_THROW(file.Open(folder.File("x"), PackedFile::kReadMode, 0), PackedFileError);
    EXPECT_THROW(file.Write("a", 1), PackedFileError);
}

TEST(PackedFile, BlocksAreCappedAndReadsDeliverEverything)
{
    TempFolder folder;
    const std::string text = GermanText(300000, 2);
    {
        PackedFile file;
        ASSERT_TRUE(file.Open(folder.File("big"), PackedFile::kWriteMode, 1 << 20));
        file.Write(text.data(), 100);
        file.Write(text.data() + 100, text.size() - 100);
        file.Close();
    }
    const auto decoded = reference::DecodeFile(ReadAll(folder.File("big")));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->blockLengths, (std::vector<std::size_t>{131072, 131072, 300000 - 2 * 131072}));

    PackedFile file;
    ASSERT_TRUE(file.Open(folder.File("big"), PackedFile::kReadMode, 0));
    std::string back;
    char piece[9999];
    std::size_t got;
    while ((got = file.Read(piece, sizeof piece)) == sizeof piece) {
        back.append(piece, got);
    }
    back.append(piece, got);
    EXPECT_EQ(back, text);
    EXPECT_EQ(file.Read(piece, 1), 0u);
}

TEST(PackedFile, AnAbandonedWriteLeavesTheOldFile)
{
    TempFolder folder;
    const std::string target = folder.File("keep");
    packedtest::WriteAll(target, "old");
    {
        PackedFile file;
        ASSERT_TRUE(file.Open(target, PackedFile::kWriteMode, 4096));
        const std::string text = GermanText(10000, 1);
        file.Write(text.data(), text.size());
        EXPECT_EQ(folder.Entries().size(), 2u) << "the data goes to a file beside the target";
    }
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"keep"});
}
