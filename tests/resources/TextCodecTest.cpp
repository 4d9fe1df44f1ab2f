#include "resources/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, GermanAndCentralEuropeanLettersRoundTrip)
{
    const std::string utf8 = "Grüße aus Łódź, ¤ und €";
    const std::string bytes = TextCodec::FromUtf8(utf8);
    // ü ß e ... : every character has exactly one byte.
    EXPECT_EQ(bytes.size(), 23u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0xFC);
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0xDF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[16]), 0xA4);
    EXPECT_EQ(static_cast<unsigned char>(bytes[22]), 0x80);
    EXPECT_EQ(TextCodec::ToUtf8(bytes), utf8);
}

TEST(TextCodec, DropsWhatWindows1250CannotHoldAndMalformedBytes)
{
    EXPECT_EQ(TextCodec::FromUtf8("a\xE2\x86\x92"
                                  "b"),
              "ab"); // arrow has no byte
    EXPECT_EQ(TextCodec::FromUtf8("a\xC3"
                                  "b"),
              "ab"); // truncated sequence
    EXPECT_EQ(TextCodec::FromUtf8("a\xED\xA0\x80"
                                  "b"),
              "ab"); // surrogate
    EXPECT_EQ(TextCodec::FromUtf8("a\xC0\xAF"
                                  "b"),
              "ab");                                        // overlong slash
    EXPECT_EQ(TextCodec::FromUtf8("\xF0\x9F\x98\x80"), ""); // emoji
}

TEST(TextCodec, EveryAssignedByteRoundTrips)
{
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        if (TextCodec::CodePointForByte(static_cast<unsigned char>(b)) == 0xFFFD) {
            EXPECT_TRUE(b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98) << b;
            continue;
        }
        EXPECT_EQ(TextCodec::FromUtf8(TextCodec::ToUtf8(one)), one) << b;
    }
}

TEST(TextCodec, RecognisesUtf8)
{
    EXPECT_TRUE(TextCodec::IsValidUtf8("plain"));
    EXPECT_TRUE(TextCodec::IsAscii("plain"));
    EXPECT_TRUE(TextCodec::IsValidUtf8("Gr\xC3\xBC\xC3\x9F"
                                       "e"));
    EXPECT_FALSE(TextCodec::IsAscii("Gr\xC3\xBC\xC3\x9F"
                                    "e"));
    EXPECT_FALSE(TextCodec::IsValidUtf8("Gr\xFC\xDF"
                                        "e")); // the same word in Windows-1250
    EXPECT_EQ(TextCodec::ByteForCodePoint(U'\u00E4'), 0xE4);
    EXPECT_EQ(TextCodec::ByteForCodePoint(U'\u2192'), -1);
}

TEST(TextCodec, ExactConversionStopsAtTheFirstFault)
{
    struct Case
    {
        std::string utf8;
        bool ok;
        std::size_t faultAt;
        std::string bytes;
    };
    const Case cases[] = {
        {"Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC",
         true, 0,
         "Gr\xFC\xDF"
         "e \x80"},
        {"ab\xE2\x86\x92"
         "c\xE2\x86\x92",
         false, 2, ""},                     // arrow: the first one counts
        {"\xC3\xBC\xC3", false, 2, ""},     // truncated after a good letter
        {"a\xED\xA0\x80", false, 1, ""},    // surrogate
        {"\xF0\x9F\x98\x80", false, 0, ""}, // emoji
        {"", true, 0, ""},
    };
    for (const Case& c : cases) {
        std::string bytes = "old";
        std::size_t faultAt = 99;
        EXPECT_EQ(TextCodec::FromUtf8Exactly(c.utf8, bytes, faultAt), c.ok) << c.utf8;
        if (c.ok)
            EXPECT_EQ(bytes, c.bytes) << c.utf8;
        else
            EXPECT_EQ(faultAt, c.faultAt) << c.utf8;
    }
}
