#include "exercise/BlockCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr int kRunBase = 24;
constexpr unsigned kContextMask = 4095;
constexpr unsigned char kInitialPrediction = 32;
constexpr std::uint64_t kCompleteSum = std::uint64_t{1} << 30;

// Decode table: the first kPrimaryBits of the bit stream index the primary table; codes
// that are longer link to a sub-table indexed by the following bits. An entry holds the
// code length (or sub-table depth) in its low 6 bits, so it serves as the shift count,
// and the decoded symbol (or sub-table offset) above bit 8.
constexpr unsigned kPrimaryBits = 10;
constexpr std::uint32_t kLinkFlag = 0x80000000u;
// Symbols as the decode table stores them, so that the hot loop tests one range.
constexpr std::uint32_t kDecodedPredicted = 256;
constexpr std::uint32_t kDecodedEnd = 257;
constexpr std::uint32_t kDecodedUnused = 258;

inline unsigned NextContext(unsigned context, unsigned byte)
{
    return ((context << 4) + byte) & kContextMask;
}

using PredictionTable = std::array<unsigned char, kContextMask + 1>;

// Appends bits most significant first. Flush() stores eight bytes at once and keeps the
// unfinished byte pending, so the caller leaves eight bytes of slack after the output.
class BitWriter
{
public:
    explicit BitWriter(unsigned char* out)
        : m_begin(out)
        , m_out(out)
    {}

    // At most 56 bits may be pending between flushes; `code` has no bits above `length`.
    void Put(std::uint32_t code, unsigned length)
    {
        m_pending = (m_pending << length) | code;
        m_count += length;
    }

    void Flush()
    {
        // Two shifts, because the count may be 0.
        std::uint64_t word = (m_pending << 1) << (63 - m_count);
        if constexpr (std::endian::native == std::endian::little) {
            word = __builtin_bswap64(word);
        }
        std::memcpy(m_out, &word, sizeof word);
        m_out += m_count / 8;
        m_count %= 8;
    }

    void PadToByte()
    {
        Put(0, (8 - m_count % 8) % 8);
        Flush();
    }

    std::size_t Size() const { return static_cast<std::size_t>(m_out - m_begin); }

private:
    unsigned char* m_begin;
    unsigned char* m_out;
    std::uint64_t m_pending = 0;
    unsigned m_count = 0;
};

BlockCodec::CodeLengths HuffmanLengths(const BlockCodec::SymbolCounts& counts)
{
    BlockCodec::CodeLengths lengths{};
    std::array<int, BlockCodec::kSymbolCount> leaves{};
    int leafCount = 0;
    for (int s = 0; s < BlockCodec::kSymbolCount; ++s) {
        if (counts[s] != 0 || s == BlockCodec::kEndSymbol) {
            leaves[leafCount++] = s;
        }
    }
    if (leafCount == 1) {
        lengths[leaves[0]] = 1;
        return lengths;
    }
    std::stable_sort(leaves.begin(), leaves.begin() + leafCount,
                     [&](int a, int b) { return counts[a] < counts[b]; });

    // Two queues: sorted leaves and internal nodes in creation order (which is sorted too).
    constexpr int kMaxNodes = 2 * BlockCodec::kSymbolCount;
    std::array<std::uint64_t, kMaxNodes> weight{};
    std::array<int, kMaxNodes> parent{};
    for (int i = 0; i < leafCount; ++i) {
        weight[i] = counts[leaves[i]];
    }
    int nextLeaf = 0;
    int nextInternal = leafCount;
    int created = leafCount;
    auto takeSmallest = [&]() {
        if (nextLeaf < leafCount && (nextInternal == created || weight[nextLeaf] <= weight[nextInternal])) {
            return nextLeaf++;
        }
        return nextInternal++;
    };
    while (created < 2 * leafCount - 1) {
        const int a = takeSmallest();
        const int b = takeSmallest();
        weight[created] = weight[a] + weight[b];
        parent[a] = created;
        parent[b] = created;
        ++created;
    }
    // Parents are created after their children, so depths fill in from the root down.
    std::array<std::uint8_t, kMaxNodes> depth{};
    for (int node = created - 2; node >= 0; --node) {
        depth[node] = static_cast<std::uint8_t>(std::min(depth[parent[node]] + 1, 255));
    }
    for (int i = 0; i < leafCount; ++i) {
        lengths[leaves[i]] = depth[i];
    }
    return lengths;
}

void WriteHeader(BitWriter& writer, const BlockCodec::CodeLengths& lengths)
{
    int s = 0;
    while (s < BlockCodec::kSymbolCount) {
        if (lengths[s] != 0) {
            writer.Put(lengths[s], 5);
            writer.Flush();
            ++s;
            continue;
        }
        int run = 0;
        while (s < BlockCodec::kSymbolCount && lengths[s] == 0) {
            ++run;
            ++s;
        }
        do {
            writer.Put(static_cast<std::uint32_t>(kRunBase + run % 8), 5);
            writer.Flush();
            run /= 8;
        } while (run != 0);
    }
}

// Reads the 260 lengths; `bitPosition` ends just after the last header value.
BlockCodec::Fault ReadHeader(std::span<const unsigned char> packed, BlockCodec::CodeLengths& lengths,
                             std::size_t& bitPosition)
{
    const std::size_t totalBits = packed.size() * 8;
    std::size_t position = 0;
    int described = 0;
    std::uint32_t runPlace = 0; // 0 outside a run, else the worth of the next digit
    while (described < BlockCodec::kSymbolCount) {
        if (position + 5 > totalBits) {
            return BlockCodec::Fault::HeaderTruncated;
        }
        // Five bits never span more than two bytes.
        const std::size_t byte = position / 8;
        unsigned twoBytes = static_cast<unsigned>(packed[byte]) << 8;
        if (byte + 1 < packed.size()) {
            twoBytes |= packed[byte + 1];
        }
        const unsigned value = (twoBytes >> (11 - position % 8)) & 31;
        position += 5;
        if (value < kRunBase) {
            lengths[described++] = static_cast<std::uint8_t>(value);
            runPlace = 0;
            continue;
        }
        runPlace = runPlace == 0 ? 1 : std::min<std::uint32_t>(runPlace * 8, 512);
        described += static_cast<int>((value - kRunBase) * runPlace);
    }
    if (described != BlockCodec::kSymbolCount) {
        return BlockCodec::Fault::SymbolCount;
    }
    bitPosition = position;
    return BlockCodec::Fault::None;
}

inline std::uint64_t LoadBigEndian64(const unsigned char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::little) {
        word = __builtin_bswap64(word);
    }
    return word;
}

} // namespace

std::size_t BlockCodec::PackedCapacity(std::size_t unpackedLength)
{
    return std::clamp<std::size_t>(2 * unpackedLength, 4096, kMaxBlockBytes);
}

const char* BlockCodec::Describe(Fault fault)
{
    switch (fault) {
    case Fault::None:
        return "no fault";
    case Fault::HeaderTruncated:
        return "block ends inside its code lengths";
    case Fault::SymbolCount:
        return "code lengths do not describe 260 symbols";
    case Fault::IncompleteCode:
        return "code lengths do not form a complete code";
    case Fault::UnusedSymbol:
        return "block uses a reserved symbol";
    case Fault::DataTruncated:
        return "block ends before its end code";
    case Fault::TrailingData:
        return "block has data after its end code";
    case Fault::TooMuchOutput:
        return "block unpacks to more than its length";
    case Fault::TooLittleOutput:
        return "block unpacks to less than its length";
    }
    return "unknown fault";
}

BlockCodec::CodeLengths BlockCodec::BuildCodeLengths(SymbolCounts counts)
{
    counts[kEndSymbol] = 0;
    if (std::none_of(counts.begin(), counts.end(), [](std::uint64_t c) { return c != 0; })) {
        counts[kPredictedSymbol] = 1; // a code needs two symbols
    }
    for (;;) {
        const CodeLengths lengths = HuffmanLengths(counts);
        if (*std::max_element(lengths.begin(), lengths.end()) <= kMaxWrittenLength) {
            return lengths;
        }
        int rarest = -1;
        for (int s = 0; s < kSymbolCount; ++s) {
            if (s != kEndSymbol && counts[s] != 0 && (rarest < 0 || counts[s] < counts[rarest])) {
                rarest = s;
            }
        }
        counts[rarest] *= 2;
    }
}

bool BlockCodec::AssignCodes(const CodeLengths& lengths, Codes& codes)
{
    std::array<std::uint32_t, kMaxReadLength + 2> perLength{};
    for (const std::uint8_t length : lengths) {
        if (length > kMaxReadLength) {
            return false;
        }
        ++perLength[length];
    }
    std::array<std::uint32_t, kMaxReadLength + 1> next{};
    std::uint32_t counter = 0;
    for (int length = kMaxReadLength; length >= 1; --length) {
        next[length] = counter;
        counter += perLength[length];
        if (counter % 2 != 0) {
            return false;
        }
        counter /= 2;
    }
    for (int s = kSymbolCount - 1; s >= 0; --s) {
        if (lengths[s] != 0) {
            codes[s] = next[lengths[s]]++;
        } else {
            codes[s] = 0;
        }
    }
    return true;
}

bool BlockCodec::Pack(std::span<const unsigned char> block, std::vector<unsigned char>& packed)
{
    const std::size_t n = block.size();
    if (n == 0 || n > kMaxBlockBytes) {
        return false;
    }
    m_symbols.resize(n);
    // Two count tables, so that runs of one symbol do not wait on their own increments.
    std::array<std::array<std::uint32_t, kSymbolCount>, 2> partCounts{};
    PredictionTable prediction;
    prediction.fill(kInitialPrediction);
    unsigned context = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned byte = block[i];
        const unsigned hit = prediction[context] == byte;
        const unsigned symbol = byte + hit * (kPredictedSymbol - byte);
        prediction[context] = static_cast<unsigned char>(byte);
        context = NextContext(context, byte);
        m_symbols[i] = static_cast<std::uint16_t>(symbol);
        ++partCounts[i & 1][symbol];
    }
    SymbolCounts counts;
    for (int s = 0; s < kSymbolCount; ++s) {
        counts[s] = std::uint64_t{partCounts[0][s]} + partCounts[1][s];
    }
    ++counts[kPredictedSymbol];

    const CodeLengths lengths = BuildCodeLengths(counts);
    Codes codes;
    if (!AssignCodes(lengths, codes)) {
        return false;
    }
    std::array<std::uint32_t, kSymbolCount> codeWords; // code above, length in the low 5 bits
    for (int s = 0; s < kSymbolCount; ++s) {
        codeWords[s] = codes[s] << 5 | lengths[s];
    }
    auto put = [&](BitWriter& writer, unsigned symbol) {
        writer.Put(codeWords[symbol] >> 5, codeWords[symbol] & 31);
    };

    // Physical room for the longest possible output; the format's limit is checked after.
    packed.resize(3 * n + 256);
    BitWriter writer(packed.data());
    WriteHeader(writer, lengths);
    writer.PadToByte();
    std::size_t i = 0;
    for (; i + 1 < n; i += 2) {
        put(writer, m_symbols[i]);
        put(writer, m_symbols[i + 1]);
        writer.Flush();
    }
    if (i < n) {
        put(writer, m_symbols[i]);
    }
    put(writer, kEndSymbol);
    writer.PadToByte();
    const std::size_t size = writer.Size();
    if (size > PackedCapacity(n)) {
        return false;
    }
    packed.resize(size);
    return true;
}

// The lengths must form a complete code (Unpack checks that first): only then does every
// table entry get filled.
bool BlockCodec::BuildDecodeTable(const CodeLengths& lengths)
{
    Codes codes;
    if (!AssignCodes(lengths, codes)) {
        return false;
    }
    constexpr std::size_t kPrimarySize = std::size_t{1} << kPrimaryBits;
    // Long codes have the smallest values, so the prefixes that need a sub-table are
    // exactly 0 to linkedPrefixes - 1.
    std::size_t linkedPrefixes = 0;
    for (int s = 0; s < kSymbolCount; ++s) {
        if (lengths[s] > kPrimaryBits) {
            linkedPrefixes =
                std::max<std::size_t>(linkedPrefixes, (codes[s] >> (lengths[s] - kPrimaryBits)) + 1);
        }
    }
    // Depth of the deepest code under each linked prefix.
    std::array<std::uint8_t, kPrimarySize> subDepth;
    std::fill_n(subDepth.begin(), linkedPrefixes, 0);
    for (int s = 0; s < kSymbolCount; ++s) {
        const unsigned length = lengths[s];
        if (length > kPrimaryBits) {
            auto& depth = subDepth[codes[s] >> (length - kPrimaryBits)];
            depth = static_cast<std::uint8_t>(std::max<unsigned>(depth, length - kPrimaryBits));
        }
    }
    std::size_t size = kPrimarySize;
    std::array<std::uint32_t, kPrimarySize> subOffset;
    for (std::size_t prefix = 0; prefix < linkedPrefixes; ++prefix) {
        subOffset[prefix] = static_cast<std::uint32_t>(size);
        size += std::size_t{1} << subDepth[prefix];
    }
    m_decodeTable.resize(size);
    std::uint32_t* table = m_decodeTable.data();
    for (std::size_t prefix = 0; prefix < linkedPrefixes; ++prefix) {
        table[prefix] = kLinkFlag | subOffset[prefix] << 8 | subDepth[prefix];
    }
    for (int s = 0; s < kSymbolCount; ++s) {
        const unsigned length = lengths[s];
        if (length == 0) {
            continue;
        }
        std::uint32_t decoded = static_cast<std::uint32_t>(s);
        if (s == kPredictedSymbol) {
            decoded = kDecodedPredicted;
        } else if (s == kEndSymbol) {
            decoded = kDecodedEnd;
        } else if (s > 255) {
            decoded = kDecodedUnused;
        }
        const std::uint32_t entry = decoded << 8 | length;
        std::uint32_t* first;
        unsigned spare;
        if (length <= kPrimaryBits) {
            spare = kPrimaryBits - length;
            first = table + (std::size_t{codes[s]} << spare);
        } else {
            const unsigned tail = length - kPrimaryBits;
            const unsigned prefix = codes[s] >> tail;
            spare = subDepth[prefix] - tail;
            const std::uint32_t low = codes[s] & ((std::uint32_t{1} << tail) - 1);
            first = table + subOffset[prefix] + (std::size_t{low} << spare);
        }
        std::fill(first, first + (std::size_t{1} << spare), entry);
    }
    return true;
}

BlockCodec::Fault BlockCodec::Unpack(std::span<const unsigned char> packed, std::span<unsigned char> out)
{
    CodeLengths lengths{};
    std::size_t headerBits = 0;
    if (const Fault fault = ReadHeader(packed, lengths, headerBits); fault != Fault::None) {
        return fault;
    }
    std::uint64_t sum = 0;
    for (const std::uint8_t length : lengths) {
        if (length != 0) {
            sum += kCompleteSum >> length;
        }
    }
    if (sum != kCompleteSum || !BuildDecodeTable(lengths)) {
        return Fault::IncompleteCode;
    }

    const std::uint32_t* const table = m_decodeTable.data();
    const unsigned char* const begin = packed.data();
    const unsigned char* const end = begin + packed.size();
    const unsigned char* in = begin + (headerBits + 7) / 8;
    unsigned char* o = out.data();
    unsigned char* const outEnd = o + out.size();
    PredictionTable prediction;
    prediction.fill(kInitialPrediction);
    unsigned context = 0;

    // The bit buffer holds `bits` valid bits at its top; bits below them may already hold
    // the following stream bits, which later refills OR in again unchanged.
    std::uint64_t buffer = 0;
    unsigned bits = 0;
    std::size_t virtualBytes = 0; // zero bytes fed in past the end of the block
    std::uint32_t decoded = 0;

    auto decodeOne = [&]() {
        std::uint32_t entry = table[buffer >> (64 - kPrimaryBits)];
        if (entry & kLinkFlag) [[unlikely]] {
            const unsigned depth = entry & 63;
            entry = table[((entry & ~kLinkFlag) >> 8) + ((buffer << kPrimaryBits) >> (64 - depth))];
        }
        const unsigned length = entry & 63;
        buffer <<= length;
        bits -= length;
        return entry >> 8;
    };
    // Branch-free choice between literal and predicted byte: the two are too evenly mixed
    // in real text for a branch to guess well.
    auto emit = [&](std::uint32_t symbol) {
        const std::uint32_t predictedMask = 0u - (symbol >> 8);
        const auto byte = static_cast<unsigned char>((symbol & 0xFF) | (prediction[context] & predictedMask));
        prediction[context] = byte;
        *o++ = byte;
        context = NextContext(context, byte);
    };

    // Fast loop: whole 64-bit refills from the block, two symbols (at most 46 bits) each.
    while (end - in >= 8 && outEnd - o >= 2) {
        buffer |= LoadBigEndian64(in) >> bits;
        in += (63 - bits) >> 3;
        bits |= 56;
        decoded = decodeOne();
        if (decoded > kDecodedPredicted) [[unlikely]] {
            break;
        }
        emit(decoded);
        decoded = decodeOne();
        if (decoded > kDecodedPredicted) [[unlikely]] {
            break;
        }
        emit(decoded);
        decoded = 0;
    }
    // Careful loop for the tail: byte refills, zeros past the end, every bound checked.
    while (decoded <= kDecodedPredicted) {
        while (bits <= 56) {
            std::uint64_t byte = 0;
            if (in < end) {
                byte = *in++;
            } else {
                ++virtualBytes;
            }
            buffer |= byte << (56 - bits);
            bits += 8;
        }
        decoded = decodeOne();
        if (virtualBytes * 8 > bits) {
            return Fault::DataTruncated;
        }
        if (decoded > kDecodedPredicted) {
            break;
        }
        if (o == outEnd) {
            return Fault::TooMuchOutput;
        }
        emit(decoded);
    }
    if (decoded == kDecodedUnused) {
        return Fault::UnusedSymbol;
    }

    // The end code must end in the last byte, followed only by zero bits.
    const std::size_t consumedBits = static_cast<std::size_t>(in - begin + virtualBytes) * 8 - bits;
    const std::size_t spareBits = packed.size() * 8 - consumedBits;
    if (spareBits >= 8 || (spareBits > 0 && (packed.back() & ((1u << spareBits) - 1)) != 0)) {
        return Fault::TrailingData;
    }
    if (o != outEnd) {
        return Fault::TooLittleOutput;
    }
    return Fault::None;
}
