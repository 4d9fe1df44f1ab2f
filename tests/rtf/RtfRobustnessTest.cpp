#include "ParsedRtf.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::size_t TotalSize(const Lines& lines)
{
    std::size_t total = 0;
    for (const std::string& line : lines)
        total += line.size();
    return total;
}

// Junk made mostly of the characters that drive the state machine.
std::string RtfLikeJunk(std::mt19937& random, std::size_t size)
{
    static const std::string alphabet = "{{}}\\\\\\\\\\'*-0123456789 \r\n"
                                        "abcdefghijklmnopqrstuvwxyzABCDEF";
    static const char* const words[] = {"bin", "par", "u",    "uc",     "'",    "*",     "fonttbl", "pict",
                                        "b",   "qc",  "tab",  "li-",    "u-",   "uc0",   "info",    "bin0 ",
                                        "\\{", "\\}", "\\\\", "header", "u252", "\\'e4", "uc2"};
    std::string junk;
    while (junk.size() < size) {
        const unsigned pick = random() % 10;
        if (pick < 3) {
            junk += '\\';
            junk += words[random() % std::size(words)];
        } else if (pick < 9) {
            junk += alphabet[random() % alphabet.size()];
        } else {
            junk += static_cast<char>(random() & 0xFF);
        }
    }
    return junk;
}

void ExpectHarmless(const std::string& input, unsigned seed)
{
    const ParsedRtf parsed = ParsedRtf::From(input, 20);
    EXPECT_GE(parsed.result, RtfTextReader::Success) << seed;
    EXPECT_LE(parsed.result, RtfTextReader::TooLong) << seed;
    // Every byte of text comes from at least one byte of input.
    EXPECT_LE(TotalSize(parsed.lines), input.size()) << seed;
}

} // namespace

TEST(RtfRobustness, PseudoRandomJunkEndsCleanly)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        ExpectHarmless(RtfLikeJunk(random, 64 + random() % 4096), seed);
        std::string bytes(random() % 4096, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() & 0xFF);
        ExpectHarmless(bytes, seed);
        // The same junk inside a document, with an open group around it.
        ExpectHarmless("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" + RtfLikeJunk(random, 2048), seed);
    }
}

TEST(RtfRobustness, DeepNestingUsesNoRecursion)
{
    const std::size_t depth = 1'000'000;
    EXPECT_EQ(ParsedRtf::From(std::string(depth, '{') + "x\\par " + std::string(depth, '}')).lines,
              Lines{" x"});
    EXPECT_EQ(ParsedRtf::From(std::string(depth, '{')).result, RtfTextReader::UnclosedGroup);
    EXPECT_EQ(ParsedRtf::From(std::string(depth, '}')).result, RtfTextReader::UnmatchedClose);

    std::string formatted;
    for (std::size_t i = 0; i < 200'000; ++i)
        formatted += i % 2 ? "{\\b0\\li7" : "{\\b\\i";
    formatted += std::string(200'000, '}');
    const ParsedRtf parsed = ParsedRtf::From(formatted);
    EXPECT_EQ(parsed.result, RtfTextReader::Success);
    EXPECT_EQ(parsed.formatting.bold, 0);
    EXPECT_EQ(parsed.formatting.italic, 0);
    EXPECT_EQ(parsed.formatting.leftIndent, 0);
}

TEST(RtfRobustness, HugeCountsRunOutWithTheInput)
{
    const ParsedRtf binary = ParsedRtf::From("{\\rtf1 \\bin9223372036854775807 {{{\\par");
    EXPECT_EQ(binary.result, RtfTextReader::UnclosedGroup);
    EXPECT_EQ(binary.lines, Lines{});
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 \\uc9223372036854775807\\u252 abc}x\\par").lines, Lines{" \xFCx"});
    EXPECT_EQ(ParsedRtf::From("{\\rtf1 \\uc-5\\u252 abc\\par}").lines, Lines{" \xFC"
                                                                             "abc"});
}
