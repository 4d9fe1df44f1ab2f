#include "exercise/TextList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string WriteTemp(const std::string& name, const std::string& content)
{
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

} // namespace

TEST(TextListTest, RemarksAreSkippedAndWindowsLineEndsCut)
{
    const std::string path = WriteTemp("textlist_lines.txt", "; remark\r\nA:B:\r\n\r\n ;not a remark\nlast");
    std::vector<std::string> lines{"stale"};
    ASSERT_TRUE(TextList::ReadLines(path, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"A:B:", "", " ;not a remark", "last"}));
    std::filesystem::remove(path);
}

TEST(TextListTest, MissingAndOversizedFilesAreRefused)
{
    std::vector<std::string> lines{"stale"};
    EXPECT_FALSE(TextList::ReadLines("/nonexistent/textlist.txt", lines));
    EXPECT_TRUE(lines.empty());

    const std::string path = WriteTemp("textlist_big.txt", std::string(TextList::kMaxFileSize + 1, 'x'));
    EXPECT_FALSE(TextList::ReadLines(path, lines));
    std::filesystem::remove(path);
}
