#include "resources/StringTable.h"

#include "resources/TextCodec.h"

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

TEST(StringTable, IdsAreAscendingUniqueAndKnown)
{
    const std::vector<int> ids = StringTable::Ids();
    ASSERT_FALSE(ids.empty());
    for (std::size_t i = 1; i < ids.size(); ++i)
        EXPECT_LT(ids[i - 1], ids[i]) << "at position " << i;
    for (int id : ids)
        EXPECT_TRUE(StringTable::Contains(id)) << id;
}

// A character without a Windows-1250 byte would silently vanish from the logic's form.
TEST(StringTable, EveryTextSurvivesWindows1250)
{
    for (int id : StringTable::Ids()) {
        const std::string& utf8 = StringTable::Utf8(id);
        EXPECT_FALSE(utf8.empty()) << id;
        EXPECT_TRUE(TextCodec::IsValidUtf8(utf8)) << id;
        EXPECT_EQ(TextCodec::ToUtf8(StringTable::Text(id)), utf8) << id;
    }
}

TEST(StringTable, EscapesAndTypographyBecomeTheRightBytes)
{
    EXPECT_EQ(StringTable::Text(124), "A:\\Tippwerk\\");
    EXPECT_EQ(StringTable::Text(185).substr(0, 3), "\r\n ");
    EXPECT_NE(StringTable::Text(107).find("? \nEs"), std::string::npos);
    EXPECT_EQ(StringTable::Text(118).substr(0, 9), "Datum:\t\t%");
    const std::string& note = StringTable::Text(149); // “Praxis”
    EXPECT_NE(note.find("\x93Praxis\x94"), std::string::npos);
    EXPECT_EQ(StringTable::Text(899), "tvr STAT 1.0");
}
