#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The coding of one block of a packed file: every byte is first compared with the byte
// that last followed the same 12-bit context (a hit becomes one shared symbol), then the
// symbols are Huffman coded with a canonical code whose lengths head the block.
// One object keeps its scratch buffers between blocks; it is not shared between threads.
class BlockCodec
{
public:
    static constexpr std::size_t kMaxBlockBytes = 131072;
    static constexpr int kSymbolCount = 260;
    static constexpr int kEndSymbol = 258;
    static constexpr int kPredictedSymbol = 259;
    static constexpr int kMaxReadLength = 23;
    static constexpr int kMaxWrittenLength = 22;

    enum class Fault
    {
        None,
        HeaderTruncated,
        SymbolCount,
        IncompleteCode,
        UnusedSymbol,
        DataTruncated,
        TrailingData,
        TooMuchOutput,
        TooLittleOutput,
    };

    using CodeLengths = std::array<std::uint8_t, kSymbolCount>;
    using SymbolCounts = std::array<std::uint64_t, kSymbolCount>;
    using Codes = std::array<std::uint32_t, kSymbolCount>;

    // Packs 1 to kMaxBlockBytes bytes into `packed` (replaced). False when the block is
    // empty or too long, or its packed form would not fit PackedCapacity().
    bool Pack(std::span<const unsigned char> block, std::vector<unsigned char>& packed);

    // Unpacks one block; `out` must be exactly as long as the block's unpacked length.
    Fault Unpack(std::span<const unsigned char> packed, std::span<unsigned char> out);

    // Huffman lengths over the end symbol and every counted symbol, rebuilt with the
    // rarest symbol's count doubled until no code is longer than kMaxWrittenLength.
    // The end symbol's own count is ignored (it always counts as 0).
    static CodeLengths BuildCodeLengths(SymbolCounts counts);

    // Canonical codes, longest lengths first, descending symbols within a length.
    // False when the lengths cannot be numbered that way.
    static bool AssignCodes(const CodeLengths& lengths, Codes& codes);

    // Room for a packed block: twice the unpacked length, at least 4096, at most 131072.
    static std::size_t PackedCapacity(std::size_t unpackedLength);

    static const char* Describe(Fault fault);

private:
    bool BuildDecodeTable(const CodeLengths& lengths);

    std::vector<std::uint16_t> m_symbols;
    std::vector<std::uint32_t> m_decodeTable;
};
