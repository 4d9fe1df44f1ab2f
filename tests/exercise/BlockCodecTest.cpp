#include "exercise/BlockCodec.h"
#include "exercise/PackedTestSupport.h"
#include "exercise/ReferenceBlockCoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using packedtest::GermanText;
using packedtest::RandomBytes;

namespace {

std::span<const unsigned char> AsBytes(std::string_view text)
{
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

std::optional<std::string> Unpack(const std::vector<unsigned char>& packed, std::size_t length)
{
    BlockCodec codec;
    std::string out(length, '\0');
    if (codec.Unpack(packed, {reinterpret_cast<unsigned char*>(out.data()), length}) !=
        BlockCodec::Fault::None) {
        return std::nullopt;
    }
    return out;
}

struct Sample
{
    std::string name;
    std::string text;
};

std::vector<Sample> Samples()
{
    std::string allBytes(256, '\0');
    std::iota(allBytes.begin(), allBytes.end(), '\0');
    std::string shuffled;
    for (int i = 0; i < 16; ++i) {
        shuffled += allBytes;
    }
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    std::vector<Sample> samples = {
        {"random", RandomBytes(4096, 1)},
        {"random odd size", RandomBytes(1234, 2)},
        {"german", GermanText(4096, 3)},
        {"german large block", GermanText(131072, 4)},
        {"one long run", std::string(4096, 'a')},
        {"spaces only", std::string(3000, ' ')},
        {"runs", std::string(700, 'a') + std::string(900, '\xA4') + std::string(500, '\0') + "\r\n"},
        {"all byte values", allBytes},
        {"all byte values shuffled", shuffled},
        // 22 literals with the end and predicted symbols: the deepest code the format allows
        {"23-bit codes", "ABCDEFGHIJKLMNOPQRSTU" + std::string(100, 'x')},
    };
    for (const char c : {'\0', ' ', 'A', '\xA4', '\xFF'}) {
        samples.push_back({"one byte " + std::to_string(static_cast<unsigned char>(c)), std::string(1, c)});
    }
    return samples;
}

// Builds a block bit by bit: 5-bit header values, padding, then data bits given as "0"/"1".
std::vector<unsigned char> Craft(std::initializer_list<int> header, std::string_view data)
{
    reference::BitSink sink;
    for (const int value : header) {
        sink.Put(static_cast<std::uint32_t>(value), 5);
    }
    sink.PadToByte();
    for (const char bit : data) {
        sink.Put(bit == '1', 1);
    }
    sink.PadToByte();
    return sink.Bytes();
}

// "A" coded with 65:1, 258:2, 259:2, so 'A' is "1" and the end "01".
const std::initializer_list<int> kHeaderForA = {25, 24, 25, 1, 24, 24, 27, 2, 2};

} // namespace

TEST(BlockCodecInterop, ProductBlocksDecodeWithTheReference)
{
    BlockCodec codec;
    for (const Sample& sample : Samples()) {
        SCOPED_TRACE(sample.name);
        std::vector<unsigned char> packed;
        ASSERT_TRUE(codec.Pack(AsBytes(sample.text), packed));
        EXPECT_LE(packed.size(), BlockCodec::PackedCapacity(sample.text.size()));
        const auto decoded = reference::DecodeBlock(packed, sample.text.size());
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->text, sample.text);
        EXPECT_LE(decoded->longestCode, BlockCodec::kMaxWrittenLength);
    }
}

TEST(BlockCodecInterop, ReferenceBlocksDecodeWithTheProduct)
{
    bool sawDeepestCode = false;
    for (const Sample& sample : Samples()) {
        for (const auto shape :
             {reference::CodeShape::Flat, reference::CodeShape::Chain, reference::CodeShape::Shannon}) {
            for (const auto absent : {reference::AbsentForm::Runs, reference::AbsentForm::Zeros}) {
                SCOPED_TRACE(sample.name + " shape " + std::to_string(static_cast<int>(shape)) + " absent " +
                             std::to_string(static_cast<int>(absent)));
                const auto packed = reference::EncodeBlock(sample.text, {shape, absent});
                const auto own = reference::DecodeBlock(packed, sample.text.size());
                ASSERT_TRUE(own.has_value());
                sawDeepestCode = sawDeepestCode || own->longestCode == BlockCodec::kMaxReadLength;
                EXPECT_EQ(Unpack(packed, sample.text.size()), sample.text);
            }
        }
    }
    EXPECT_TRUE(sawDeepestCode);
}

TEST(BlockCodecInterop, DamagedBlocksAreJudgedAlikeByBothDecoders)
{
    std::mt19937 random(11);
    BlockCodec codec;
    for (const std::string& text : {GermanText(4096, 5), RandomBytes(300, 6), std::string(50, 'z')}) {
        std::vector<unsigned char> packed;
        ASSERT_TRUE(codec.Pack(AsBytes(text), packed));
        for (int trial = 0; trial < 600; ++trial) {
            std::vector<unsigned char> damaged = packed;
            const int flips = 1 + static_cast<int>(random() % 3);
            for (int f = 0; f < flips; ++f) {
                damaged[random() % damaged.size()] ^= static_cast<unsigned char>(1u << (random() % 8));
            }
            const auto expected = reference::DecodeBlock(damaged, text.size());
            EXPECT_EQ(Unpack(damaged, text.size()), expected ? std::optional(expected->text) : std::nullopt);
        }
    }
    for (int trial = 0; trial < 300; ++trial) {
        const std::string junk = RandomBytes(1 + random() % 400, static_cast<unsigned>(trial));
        const std::vector<unsigned char> bytes(junk.begin(), junk.end());
        const std::size_t length = random() % 600;
        const auto expected = reference::DecodeBlock(bytes, length);
        EXPECT_EQ(Unpack(bytes, length), expected ? std::optional(expected->text) : std::nullopt);
    }
}

TEST(BlockCodecFaults, HeaderMustDescribeACompleteCodeOver260Symbols)
{
    ASSERT_EQ(Unpack(Craft(kHeaderForA, "101"), 1), "A");
    // A foreign writer may leave out the predicted symbol: 65:1, 258:1, 259 absent.
    EXPECT_EQ(Unpack(Craft({25, 24, 25, 1, 24, 24, 27, 1, 25}, "10"), 1), "A");

    // 259 symbols: the reader takes the next bits as the last length, which breaks the code.
    EXPECT_FALSE(Unpack(Craft({24, 24, 25, 1, 24, 24, 27, 2, 2}, "101"), 1));
    // 261 symbols: the closing run reaches past symbol 259.
    EXPECT_FALSE(Unpack(Craft({25, 24, 25, 1, 24, 24, 27, 1, 26}, "10"), 1));
    // A run digit worth 512 symbols.
    EXPECT_FALSE(Unpack(Craft({24, 24, 24, 25}, "1"), 1));
    // Incomplete (3/4) and over-full (5/4) codes.
    EXPECT_FALSE(Unpack(Craft({25, 24, 25, 2, 24, 24, 27, 2, 2}, "1101"), 1));
    EXPECT_FALSE(Unpack(Craft({25, 24, 25, 1, 24, 24, 27, 1, 2}, "10"), 1));
    // The header itself cut short.
    EXPECT_FALSE(Unpack({}, 0));
    EXPECT_FALSE(Unpack(Craft({25, 24, 25, 1}, ""), 1));
    // A code for the reserved symbol 256, used in the data.
    EXPECT_FALSE(Unpack(Craft({24, 24, 28, 1, 25, 2, 2}, "101"), 1));
}

TEST(BlockCodecFaults, DataMustEndExactlyWithTheEndCode)
{
    const auto valid = Craft(kHeaderForA, "101");
    EXPECT_FALSE(Unpack(valid, 0)) << "one byte more than the unpacked length";
    EXPECT_FALSE(Unpack(valid, 2)) << "one byte less than the unpacked length";
    auto junkByte = valid;
    junkByte.push_back(0);
    EXPECT_FALSE(Unpack(junkByte, 1));
    EXPECT_FALSE(Unpack(Craft(kHeaderForA, "10100001"), 1)) << "a set bit in the padding";
    EXPECT_FALSE(Unpack(Craft(kHeaderForA, "1"), 1)) << "no end code";

    BlockCodec codec;
    const std::string text = GermanText(4096, 8);
    std::vector<unsigned char> packed;
    ASSERT_TRUE(codec.Pack(AsBytes(text), packed));
    for (std::size_t cut = 0; cut < packed.size(); ++cut) {
        EXPECT_FALSE(
            Unpack({packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(cut)}, text.size()));
    }
}

TEST(BlockCodecLengths, CanonicalCodesRunFromLongestLengthAndHighestSymbol)
{
    BlockCodec::CodeLengths lengths{};
    lengths[65] = 1;
    lengths[258] = 2;
    lengths[259] = 2;
    BlockCodec::Codes codes;
    ASSERT_TRUE(BlockCodec::AssignCodes(lengths, codes));
    EXPECT_EQ(codes[259], 0u);
    EXPECT_EQ(codes[258], 1u);
    EXPECT_EQ(codes[65], 1u);
    lengths[66] = 1; // over-full: the counter turns odd
    EXPECT_FALSE(BlockCodec::AssignCodes(lengths, codes));
}

TEST(BlockCodecLengths, SkewedCountsStayWithinTwentyTwoBits)
{
    // Fibonacci counts give a plain Huffman code one bit deeper per symbol: 40 bits here.
    BlockCodec::SymbolCounts counts{};
    std::uint64_t a = 1;
    std::uint64_t b = 1;
    for (int s = 0; s < 40; ++s) {
        counts[s * 3] = a;
        a = std::exchange(b, a + b);
    }
    counts[BlockCodec::kPredictedSymbol] = 1;
    const auto lengths = BlockCodec::BuildCodeLengths(counts);
    std::uint64_t kraft = 0;
    for (int s = 0; s < BlockCodec::kSymbolCount; ++s) {
        const bool counted = counts[s] != 0 || s == BlockCodec::kEndSymbol;
        EXPECT_EQ(lengths[s] != 0, counted) << s;
        EXPECT_LE(lengths[s], BlockCodec::kMaxWrittenLength) << s;
        kraft += lengths[s] ? std::uint64_t{1} << (30 - lengths[s]) : 0;
    }
    EXPECT_EQ(kraft, std::uint64_t{1} << 30);
    EXPECT_LE(lengths[39 * 3], 2) << "the most frequent symbol keeps a short code";
}

TEST(BlockCodecLengths, BlocksAreLimitedToTheirCapacity)
{
    BlockCodec codec;
    std::vector<unsigned char> packed;
    EXPECT_FALSE(codec.Pack({}, packed));
    const std::string tooLong(BlockCodec::kMaxBlockBytes + 1, 'a');
    EXPECT_FALSE(codec.Pack(AsBytes(tooLong), packed));
    // Random bytes do not shrink, and the largest block has no room to grow.
    EXPECT_FALSE(codec.Pack(AsBytes(RandomBytes(BlockCodec::kMaxBlockBytes, 9)), packed));
    EXPECT_TRUE(codec.Pack(AsBytes(RandomBytes(60000, 9)), packed));
}
