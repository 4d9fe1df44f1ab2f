#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A second, deliberately plain implementation of the packed block format, written from
// the format description alone: bit vectors, a bit-at-a-time decoder over a code map,
// and an encoder that builds other (valid) codes than the product's Huffman coder.
// Files written by one must be readable by the other.
namespace reference {

enum class CodeShape
{
    Flat,    // lengths k and k+1 only
    Chain,   // 1, 2, 3, ... by falling frequency (deep codes); Flat above 24 symbols
    Shannon, // ceil(log2(total/count)), then shortened until complete
};

enum class AbsentForm
{
    Runs,  // octal run values
    Zeros, // a length 0 per absent symbol
};

struct EncoderOptions
{
    CodeShape shape = CodeShape::Flat;
    AbsentForm absent = AbsentForm::Runs;
};

// Most significant bit first, as the format stores them.
class BitSink
{
public:
    void Put(std::uint32_t value, int width);
    void PadToByte();
    std::vector<unsigned char> Bytes() const;
    std::size_t Size() const { return m_bits.size(); }

private:
    std::vector<bool> m_bits;
};

// Writes the 260 header values for `lengths` (index = symbol).
void PutHeader(BitSink& sink, const std::vector<int>& lengths, AbsentForm absent);

// Canonical codes exactly as the format assigns them; -1 for symbols without a code.
std::vector<std::int64_t> CanonicalCodes(const std::vector<int>& lengths);

std::vector<unsigned char> EncodeBlock(std::string_view text, EncoderOptions options = {});

struct DecodedBlock
{
    std::string text;
    int longestCode = 0;
};

// nullopt for any defect the format forbids.
std::optional<DecodedBlock> DecodeBlock(std::span<const unsigned char> packed, std::size_t unpackedLength);

std::string EncodeFile(std::string_view text, std::size_t blockSize, EncoderOptions options = {});

struct DecodedFile
{
    std::string text;
    std::vector<std::size_t> blockLengths; // unpacked length of each block
    int longestCode = 0;
};

std::optional<DecodedFile> DecodeFile(std::string_view file);

} // namespace reference
