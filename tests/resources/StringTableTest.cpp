#include "resources/StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, TextsAreWindows1250AndUtf8)
{
    EXPECT_EQ(StringTable::Utf8(128), "Tippwerk");
    const std::string& bytes = StringTable::Text(506);
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.find('\xE4'), std::string::npos); // ä of "beschädigt"
    EXPECT_NE(StringTable::Utf8(506).find("\xC3\xA4"), std::string::npos);
    EXPECT_TRUE(StringTable::Text(99999).empty());
    EXPECT_FALSE(StringTable::Contains(99999));
}
