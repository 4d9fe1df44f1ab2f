#include "ParsedRtf.h"

#include <climits>
#include <gtest/gtest.h>

TEST(RtfTextReader, WrapsWordsWithTheLeadingSpaceAndDropsWhatIsPending)
{
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 Hello world\par})").lines, Lines{" Hello world"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 Hello\par})").lines, Lines{" Hello"});
    // Without a paragraph end the pending word and line are never appended.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 Hello})").lines, Lines{});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 one\par two three })").lines, Lines{" one"});

    // A space breaks the line once line and word reach the width; the paragraph
    // end adds its word without a check, and the new line has no leading space.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 aaaa bbbb cccc dddd\par})", 10).lines,
              (Lines{" aaaa bbbb", "cccc dddd"}));
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 aaaa bbbb cccc dddddddddddd\par})", 10).lines,
              (Lines{" aaaa bbbb", "cccc dddddddddddd"}));
    // Tabs, quotes and escaped characters are parts of words.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 a\tab b\ldblquote c\rdblquote \{\}\\\par})").lines,
              Lines{" a\tb\"c\"{}\\"});
    // Line ends in the file are not text.
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 ab\r\ncd\n\\par}").lines, Lines{" abcd"});
}

TEST(RtfTextReader, GroupsAndDestinations)
{
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1 Times;}}x\par})").lines, Lines{" x"});
    // A paragraph end in a skipped group emits nothing, and the group's end resumes the text.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 a{\header page\par}b\par})").lines, Lines{" ab"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\info{\title T\par}{\author A}}{\footnote{\b n}\par}c\par})").lines,
              Lines{" c"});
    // \* drops the group only when the next word is unknown.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\*\generator Writer;}{\unknownword shown}\par})").lines,
              Lines{" shown"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\*\b kept}\par})").lines, Lines{" kept"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\*\ftnsep\chftnsep}x\par})").lines, Lines{" x"});
    // The flag belongs to the next control word only.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\*\b\unknownword kept}\par})").lines, Lines{" kept"});
    // Unknown control symbols (non-breaking space, optional hyphen) are ignored.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 a\~b\-c\par})").lines, Lines{" abc"});
    // A backslash before a line end ends a paragraph, as the RTF standard has it.
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 a\\\nb\\par}").lines, (Lines{" a", " b"}));
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 a\\\rb\\par}").lines, (Lines{" a", " b"}));
}

TEST(RtfTextReader, HexadecimalEscapes)
{
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \'e4\'C4x\par})").lines, Lines{" \xE4\xC4x"});
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \'G0})").result, RtfTextReader::BadHexDigit);
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \'4 })").result, RtfTextReader::BadHexDigit);
    // Line ends between the digits are ignored.
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 \\'e\r\n4\\par}").lines, Lines{" \xE4"});
    // A skipped group does not read hexadecimal escapes, so bad digits there do no harm.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\fonttbl\'zz}ok\par})").lines, Lines{" ok"});
}

TEST(RtfTextReader, BinaryDataIsTakenRaw)
{
    // bin 0 still takes one byte; braces and backslashes in the data are text.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 a\bin0 {b\bin3 }\pc\par})").lines, Lines{" a{b}\\pc"});
    // Skipped groups consume their binary data too, or its braces would end the group.
    const ParsedRtf pict = ParsedRtf::From(R"({\rtf1{\pict\bin2 }}}x\par})");
    EXPECT_EQ(pict.result, RtfTextReader::Success);
    EXPECT_EQ(pict.lines, Lines{" x"});
    // The count is the last parameter read, without its sign.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 \li-2\bin ab\par})").lines, Lines{" ab"});
}

TEST(RtfTextReader, PropertiesFollowTheTableAndGroups)
{
    // Outside any group, so that nothing restores them.
    EXPECT_EQ(ParsedRtf::From(R"(\b0)").formatting.bold, 0);
    EXPECT_EQ(ParsedRtf::From(R"(\b)").formatting.bold, 1);
    EXPECT_EQ(ParsedRtf::From(R"(\qc5)").formatting.justification, 2);
    EXPECT_EQ(ParsedRtf::From(R"(\qj)").formatting.justification, 3);
    EXPECT_EQ(ParsedRtf::From(R"(\sbkodd7)").formatting.sectionBreak, 3);
    EXPECT_EQ(ParsedRtf::From(R"(\pgnlcltr)").formatting.pageNumberFormat, 4);
    EXPECT_EQ(ParsedRtf::From(R"(\landscape0)").formatting.landscape, 1);

    const RtfFormatting doc =
        ParsedRtf::From(R"(\paperw\paperh11906\margl\li-360\fi720 \cols3\u\i0 x)").formatting;
    EXPECT_EQ(doc.pageWidth, 12240);
    EXPECT_EQ(doc.pageHeight, 11906);
    EXPECT_EQ(doc.marginLeft, 1800);
    EXPECT_EQ(doc.leftIndent, -360);
    EXPECT_EQ(doc.firstIndent, 720);
    EXPECT_EQ(doc.columns, 3);
    EXPECT_EQ(doc.underline, 1); // "u" without a number is underline
    EXPECT_EQ(doc.italic, 0);

    // Properties set inside a group are undone by its end, also when nested deeply.
    std::vector<std::string> lines;
    RtfTextReader reader(lines, 70);
    EXPECT_EQ(reader.Parse(R"({\rtf1\b\li100{\b0\i{\li5{{\qr}}}\i0}x)"), RtfTextReader::UnclosedGroup);
    EXPECT_EQ(reader.GroupDepth(), 1);
    EXPECT_EQ(reader.Formatting().bold, 1);
    EXPECT_EQ(reader.Formatting().italic, 0);
    EXPECT_EQ(reader.Formatting().leftIndent, 100);
    EXPECT_EQ(reader.Formatting().justification, 0);

    // Skipped groups leave the formatting alone.
    EXPECT_EQ(ParsedRtf::From(R"({\rtf1{\stylesheet{\s1\b\i Heading;}}})").formatting.bold, 0);
}

TEST(RtfTextReader, ErrorsEndTheParseAndKeepFinishedLines)
{
    const ParsedRtf open = ParsedRtf::From(R"({\rtf1 a\par b\par{c\par)");
    EXPECT_EQ(open.result, RtfTextReader::UnclosedGroup);
    EXPECT_EQ(open.lines, (Lines{" a", " b", " c"}));

    const ParsedRtf closed = ParsedRtf::From(R"({\rtf1 a\par}} b\par)");
    EXPECT_EQ(closed.result, RtfTextReader::UnmatchedClose);
    EXPECT_EQ(closed.lines, Lines{" a"});
    EXPECT_EQ(ParsedRtf::From("}}").result, RtfTextReader::UnmatchedClose);

    EXPECT_EQ(ParsedRtf::From(R"({\rtf1 a\par \'zz\par})").lines, Lines{" a"});
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 a\\").result, RtfTextReader::UnexpectedEnd);
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 a\\li-").result, RtfTextReader::UnexpectedEnd);
    // A word or parameter ended by the input is complete.
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 a\\par}\\b12").result, RtfTextReader::Success);
}

TEST(RtfTextReader, OverlongWordsAndParametersAreRejected)
{
    const std::string letters29(29, 'x');
    EXPECT_EQ(ParsedRtf::From("{\\" + letters29 + " a\\par}").lines, Lines{" a"});
    EXPECT_EQ(ParsedRtf::From("{\\" + letters29 + "x a\\par}").result, RtfTextReader::TooLong);
    EXPECT_EQ(ParsedRtf::From("{\\li" + std::string(20, '1') + "}").result, RtfTextReader::TooLong);
    EXPECT_EQ(ParsedRtf::From("{\\" + std::string(100000, 'q') + "}").result, RtfTextReader::TooLong);

    // Nineteen digits fit the limit but not a long: the value saturates.
    std::vector<std::string> lines;
    RtfTextReader reader(lines, 70);
    EXPECT_EQ(reader.Parse("\\li-9999999999999999999 \\ri9223372036854775806"), RtfTextReader::Success);
    EXPECT_EQ(reader.LastParameter(), LONG_MAX - 1);
    EXPECT_EQ(reader.Formatting().leftIndent, INT_MIN);
    EXPECT_EQ(reader.Formatting().rightIndent, INT_MAX);
    EXPECT_EQ(reader.Parse("\\li-9999999999999999999"), RtfTextReader::Success);
    EXPECT_EQ(reader.LastParameter(), LONG_MAX);
}
