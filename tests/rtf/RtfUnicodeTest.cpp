#include "ParsedRtf.h"

#include <gtest/gtest.h>

// Windows-1250 bytes of the letters used below.
namespace {
const std::string kUe = "\xFC";        // ü
const std::string kSz = "\xDF";        // ß
const std::string kEuro = "\x80";      // €
const std::string kLowQuote = "\x84";  // „
const std::string kLeftQuote = "\x93"; // “
const std::string kCCaron = "\xE8";    // č
} // namespace

TEST(RtfUnicode, EscapesBecomeWindows1250BytesAndSkipTheirFallback)
{
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 Gr\u252\'fc\u223\'dfe\par})").lines, Lines{" Gr" + kUe + kSz + "e"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \u252?\u269 c\u8364?\u8222\'84x\par})").lines,
              Lines{" " + kUe + kCCaron + kEuro + kLowQuote + "x"});
    // A fallback control word counts as one character.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \u8220\ldblquote x\par})").lines, Lines{" " + kLeftQuote + "x"});
    // Characters without a Windows-1250 form are dropped with their fallback,
    // also the negative numbers that stand for code points above 32767.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 a\u9731?b\u-3913\'b7c\u-1 ?d\par})").lines, Lines{" abcd"});
    // Nothing is emitted in a skipped group.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\info{\title \u252\'fc}}x\par})").lines, Lines{" x"});
    // A Unicode space or paragraph end takes part in the wrapping like any other.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 a\u32?b\u10?c\par})").lines, (Lines{" a b", " c"}));
}

TEST(RtfUnicode, FallbackCountFollowsUcAndGroups)
{
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \uc2\u8364 EUx\par})").lines, Lines{" " + kEuro + "x"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \uc2\u12354\'82\'a0x\par})").lines, Lines{" x"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \uc0\u252 u\par})").lines, Lines{" " + kUe + "u"});
    // \uc is restored at the group's end.
    const ParsedRtf grouped = ParsedRtf::From(R"({\rtf1 {\uc3\u252 abc}\u252 de\par})");
    EXPECT_EQ(grouped.lines, Lines{" " + kUe + kUe + "e"});
    EXPECT_EQ(grouped.unicodeFallbackCount, 1);
    // A brace ends the skipping, whatever is left of the count.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \uc3\u252{x}y\par})").lines, Lines{" " + kUe + "xy"});
    // Fallback data given as binary is skipped whole.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \u252\bin3 {}\x\par})").lines, Lines{" " + kUe + "x"});
}
