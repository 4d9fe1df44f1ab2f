#include "exercise/ReferenceBlockCoder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace reference {

namespace {

constexpr int kSymbols = 260;
constexpr int kEnd = 258;
constexpr int kPredicted = 259;

std::vector<int> Symbolize(std::string_view text, std::vector<long>& counts)
{
    std::vector<unsigned char> table(4096, ' ');
    int context = 0;
    std::vector<int> symbols;
    counts.assign(kSymbols, 0);
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        const int symbol = table[context] == b ? kPredicted : b;
        table[context] = b;
        context = (context * 16 + b) % 4096;
        symbols.push_back(symbol);
        ++counts[symbol];
    }
    return symbols;
}

double KraftSum(const std::vector<int>& lengths)
{
    double sum = 0;
    for (const int l : lengths) {
        if (l > 0) {
            sum += std::ldexp(1.0, -l);
        }
    }
    return sum;
}

std::vector<int> MakeLengths(const std::vector<long>& counts, CodeShape shape)
{
    std::vector<int> present;
    for (int s = 0; s < kSymbols; ++s) {
        if (counts[s] > 0 || s == kEnd) {
            present.push_back(s);
        }
    }
    const int n = static_cast<int>(present.size());
    std::vector<int> lengths(kSymbols, 0);
    if (shape == CodeShape::Chain && n <= 24) {
        std::stable_sort(present.begin(), present.end(), [&](int a, int b) { return counts[a] > counts[b]; });
        for (int i = 0; i < n; ++i) {
            lengths[present[i]] = std::min(i + 1, n - 1);
        }
    } else if (shape == CodeShape::Shannon) {
        long total = 1;
        for (const long c : counts) {
            total += c;
        }
        for (const int s : present) {
            const double p = static_cast<double>(std::max(counts[s], 1L)) / static_cast<double>(total);
            lengths[s] = std::max(1, static_cast<int>(std::ceil(-std::log2(p))));
        }
        // Shorten the longest codes that still fit until the code is complete.
        while (KraftSum(lengths) < 1.0) {
            int best = -1;
            for (const int s : present) {
                if (lengths[s] > 1 && KraftSum(lengths) + std::ldexp(1.0, -lengths[s]) <= 1.0 &&
                    (best < 0 || lengths[s] > lengths[best])) {
                    best = s;
                }
            }
            --lengths[best];
        }
    } else {
        int k = 0;
        while ((2 << k) <= n) {
            ++k;
        }
        const int longer = 2 * (n - (1 << k));
        for (int i = 0; i < n; ++i) {
            lengths[present[i]] = i < longer ? k + 1 : k;
        }
    }
    return lengths;
}

class BitSource
{
public:
    explicit BitSource(std::span<const unsigned char> bytes)
        : m_bytes(bytes)
    {}
    bool Get(int& bit)
    {
        if (m_position >= m_bytes.size() * 8) {
            return false;
        }
        bit = (m_bytes[m_position / 8] >> (7 - m_position % 8)) & 1;
        ++m_position;
        return true;
    }
    bool Get(int width, int& value)
    {
        value = 0;
        for (int i = 0; i < width; ++i) {
            int bit;
            if (!Get(bit)) {
                return false;
            }
            value = value * 2 + bit;
        }
        return true;
    }
    void SkipToByte() { m_position = (m_position + 7) / 8 * 8; }
    std::size_t Position() const { return m_position; }
    std::size_t Total() const { return m_bytes.size() * 8; }

private:
    std::span<const unsigned char> m_bytes;
    std::size_t m_position = 0;
};

std::uint32_t ReadLe32(std::string_view file, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value * 256 + static_cast<unsigned char>(file[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

void AppendLe32(std::string& out, std::size_t value)
{
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace

void BitSink::Put(std::uint32_t value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        m_bits.push_back(((value >> i) & 1) != 0);
    }
}

void BitSink::PadToByte()
{
    while (m_bits.size() % 8 != 0) {
        m_bits.push_back(false);
    }
}

std::vector<unsigned char> BitSink::Bytes() const
{
    std::vector<unsigned char> bytes((m_bits.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < m_bits.size(); ++i) {
        if (m_bits[i]) {
            bytes[i / 8] |= static_cast<unsigned char>(0x80 >> (i % 8));
        }
    }
    return bytes;
}

void PutHeader(BitSink& sink, const std::vector<int>& lengths, AbsentForm absent)
{
    for (std::size_t s = 0; s < lengths.size();) {
        if (lengths[s] > 0 || absent == AbsentForm::Zeros) {
            sink.Put(static_cast<std::uint32_t>(lengths[s++]), 5);
            continue;
        }
        std::size_t run = 0;
        while (s < lengths.size() && lengths[s] == 0) {
            ++run;
            ++s;
        }
        // Octal digits, least significant first, no trailing zero digits.
        do {
            sink.Put(static_cast<std::uint32_t>(24 + run % 8), 5);
            run /= 8;
        } while (run > 0);
    }
}

std::vector<std::int64_t> CanonicalCodes(const std::vector<int>& lengths)
{
    std::vector<std::int64_t> codes(lengths.size(), -1);
    std::int64_t counter = 0;
    for (int length = 23; length >= 1; --length) {
        for (int s = static_cast<int>(lengths.size()) - 1; s >= 0; --s) {
            if (lengths[s] == length) {
                codes[s] = counter++;
            }
        }
        counter /= 2;
    }
    return codes;
}

std::vector<unsigned char> EncodeBlock(std::string_view text, EncoderOptions options)
{
    std::vector<long> counts;
    const std::vector<int> symbols = Symbolize(text, counts);
    const std::vector<int> lengths = MakeLengths(counts, options.shape);
    const std::vector<std::int64_t> codes = CanonicalCodes(lengths);
    BitSink sink;
    PutHeader(sink, lengths, options.absent);
    sink.PadToByte();
    for (const int s : symbols) {
        sink.Put(static_cast<std::uint32_t>(codes[s]), lengths[s]);
    }
    sink.Put(static_cast<std::uint32_t>(codes[kEnd]), lengths[kEnd]);
    sink.PadToByte();
    return sink.Bytes();
}

std::optional<DecodedBlock> DecodeBlock(std::span<const unsigned char> packed, std::size_t unpackedLength)
{
    BitSource source(packed);
    std::vector<int> lengths;
    int digitIndex = -1;
    long described = 0;
    while (described < kSymbols) {
        int value;
        if (!source.Get(5, value)) {
            return std::nullopt;
        }
        if (value < 24) {
            lengths.push_back(value);
            ++described;
            digitIndex = -1;
            continue;
        }
        ++digitIndex;
        const int digit = value - 24;
        if (digit != 0 && digitIndex >= 3) {
            return std::nullopt; // worth at least 512 symbols
        }
        const long worth = digit * (1L << (3 * std::min(digitIndex, 3)));
        lengths.insert(lengths.end(), static_cast<std::size_t>(worth), 0);
        described += worth;
    }
    if (described != kSymbols) {
        return std::nullopt;
    }
    std::uint64_t sum = 0;
    for (const int l : lengths) {
        if (l > 0) {
            sum += std::uint64_t{1} << (30 - l);
        }
    }
    if (sum != std::uint64_t{1} << 30) {
        return std::nullopt;
    }
    std::map<std::pair<int, std::int64_t>, int> symbolOf;
    const std::vector<std::int64_t> codes = CanonicalCodes(lengths);
    DecodedBlock block;
    for (int s = 0; s < kSymbols; ++s) {
        if (lengths[s] > 0) {
            symbolOf[{lengths[s], codes[s]}] = s;
            block.longestCode = std::max(block.longestCode, lengths[s]);
        }
    }
    source.SkipToByte();

    std::vector<unsigned char> table(4096, ' ');
    int context = 0;
    for (;;) {
        std::int64_t code = 0;
        int length = 0;
        int symbol = -1;
        while (symbol < 0) {
            int bit;
            if (!source.Get(bit)) {
                return std::nullopt;
            }
            code = code * 2 + bit;
            ++length;
            const auto found = symbolOf.find({length, code});
            if (found != symbolOf.end()) {
                symbol = found->second;
            }
        }
        if (symbol == kEnd) {
            break;
        }
        if (symbol == 256 || symbol == 257 || block.text.size() == unpackedLength) {
            return std::nullopt;
        }
        unsigned char b;
        if (symbol == kPredicted) {
            b = table[context];
        } else {
            b = static_cast<unsigned char>(symbol);
            table[context] = b;
        }
        block.text += static_cast<char>(b);
        context = (context * 16 + b) % 4096;
    }
    while (source.Position() < source.Total()) {
        int bit;
        source.Get(bit);
        if (bit != 0 || source.Position() % 8 == 1) {
            return std::nullopt; // junk bits or a whole byte after the end code
        }
    }
    if (block.text.size() != unpackedLength) {
        return std::nullopt;
    }
    return block;
}

std::string EncodeFile(std::string_view text, std::size_t blockSize, EncoderOptions options)
{
    std::string file;
    for (std::size_t at = 0; at < text.size(); at += blockSize) {
        const std::string_view piece = text.substr(at, blockSize);
        const std::vector<unsigned char> packed = EncodeBlock(piece, options);
        AppendLe32(file, piece.size());
        AppendLe32(file, packed.size());
        file.append(packed.begin(), packed.end());
    }
    return file;
}

std::optional<DecodedFile> DecodeFile(std::string_view file)
{
    DecodedFile decoded;
    std::size_t at = 0;
    while (at < file.size()) {
        if (file.size() - at < 8) {
            return std::nullopt;
        }
        const std::uint32_t unpacked = ReadLe32(file, at);
        const std::uint32_t packedLength = ReadLe32(file, at + 4);
        at += 8;
        if (unpacked > 131072 || packedLength == 0 || packedLength > 131072 ||
            file.size() - at < packedLength) {
            return std::nullopt;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(file.data() + at);
        const auto block = DecodeBlock({bytes, packedLength}, unpacked);
        if (!block) {
            return std::nullopt;
        }
        decoded.text += block->text;
        decoded.blockLengths.push_back(unpacked);
        decoded.longestCode = std::max(decoded.longestCode, block->longestCode);
        at += packedLength;
    }
    return decoded;
}

} // namespace reference
