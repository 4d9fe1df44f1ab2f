// Packing and unpacking speed of the line-file block coder on German prose, with zlib
// level 9 on the same text for comparison. Prints figures only; nothing is asserted.

#include "exercise/BlockCodec.h"
#include "resources/TextCodec.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kTextBytes = 1 << 20;
constexpr std::size_t kBlockBytes = 4096;
constexpr std::size_t kBlockFrameBytes = 8; // the two length fields before each block

// Deterministic German prose in Windows-1250: umlauts and sharp s as single bytes,
// CR LF line ends at about 70 characters, and a paragraph mark now and then.
std::string GermanProse()
{
    static const std::vector<std::string> kWords = [] {
        std::vector<std::string> words;
        for (const char* word :
             {"der",       "die",      "das",       "und",      "ist",     "nicht",     "mit",
              "auf",       "für",      "sich",      "auch",     "dem",     "ein",       "eine",
              "wird",      "hat",      "noch",      "nach",     "über",    "wenn",      "später",
              "Straße",    "größer",   "schön",     "Mädchen",  "Bäume",   "hören",     "Grüße",
              "außerdem",  "Tastatur", "Finger",    "Äpfel",    "Öl",      "zwölf",     "Prüfung",
              "Frühstück", "Käse",     "natürlich", "fließend", "Übung",   "Zeile",     "Buchstaben",
              "Anschlag",  "Fehler",   "Lektion",   "Hand",     "Taste",   "schreiben", "lernen",
              "heute",     "morgen",   "immer",     "wieder",   "langsam", "schnell",   "genau",
              "Wochen",    "Minuten",  "Sonne",     "Wetter"}) {
            words.push_back(TextCodec::FromUtf8(word));
        }
        return words;
    }();
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t range) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % range;
    };
    std::string text;
    std::size_t lineStart = 0;
    bool sentenceStart = true;
    while (text.size() < kTextBytes) {
        std::string word = kWords[next(kWords.size())];
        if (sentenceStart && word[0] >= 'a' && word[0] <= 'z') {
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        }
        sentenceStart = false;
        text += word;
        const std::uint32_t mark = next(20);
        if (mark < 2) {
            text += '.';
            sentenceStart = true;
        } else if (mark < 4) {
            text += ',';
        }
        if (text.size() - lineStart > 70) {
            text += next(8) == 0 ? "\xA4\r\n" : "\r\n"; // the Enter mark ends some lines
            lineStart = text.size();
        } else {
            text += ' ';
        }
    }
    text.resize(kTextBytes);
    return text;
}

const std::string& Text()
{
    static const std::string text = GermanProse();
    return text;
}

std::span<const unsigned char> Block(std::size_t at)
{
    const std::string& text = Text();
    const std::size_t n = std::min(kBlockBytes, text.size() - at);
    return {reinterpret_cast<const unsigned char*>(text.data() + at), n};
}

std::vector<std::vector<unsigned char>> PackAll()
{
    BlockCodec codec;
    std::vector<std::vector<unsigned char>> blocks;
    for (std::size_t at = 0; at < Text().size(); at += kBlockBytes) {
        blocks.emplace_back();
        if (!codec.Pack(Block(at), blocks.back())) {
            throw std::runtime_error("block cannot be packed");
        }
    }
    return blocks;
}

void Report(benchmark::State& state, std::size_t packedBytes)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
    state.counters["packed_bytes"] = static_cast<double>(packedBytes);
    state.counters["ratio_percent"] =
        100.0 * static_cast<double>(packedBytes) / static_cast<double>(Text().size());
}

void BM_BlockCodecPack(benchmark::State& state)
{
    BlockCodec codec;
    std::vector<unsigned char> packed;
    std::size_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (std::size_t at = 0; at < Text().size(); at += kBlockBytes) {
            codec.Pack(Block(at), packed);
            total += kBlockFrameBytes + packed.size();
            benchmark::DoNotOptimize(packed.data());
        }
    }
    Report(state, total);
}

void BM_BlockCodecUnpack(benchmark::State& state)
{
    const auto blocks = PackAll();
    BlockCodec codec;
    std::vector<unsigned char> out(kBlockBytes);
    std::size_t total = 0;
    for (const auto& block : blocks) {
        total += kBlockFrameBytes + block.size();
    }
    for (auto _ : state) {
        std::size_t at = 0;
        for (const auto& block : blocks) {
            const std::size_t n = Block(at).size();
            if (codec.Unpack(block, {out.data(), n}) != BlockCodec::Fault::None) {
                state.SkipWithError("block does not unpack");
                return;
            }
            benchmark::DoNotOptimize(out.data());
            at += n;
        }
    }
    Report(state, total);
}

void BM_ZlibLevel9Compress(benchmark::State& state)
{
    const std::size_t blockBytes = static_cast<std::size_t>(state.range(0));
    std::vector<unsigned char> packed(compressBound(static_cast<uLong>(blockBytes)));
    std::size_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (std::size_t at = 0; at < Text().size(); at += blockBytes) {
            const std::size_t n = std::min(blockBytes, Text().size() - at);
            uLongf size = static_cast<uLongf>(packed.size());
            compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(Text().data() + at),
                      static_cast<uLong>(n), 9);
            total += size;
            benchmark::DoNotOptimize(packed.data());
        }
    }
    Report(state, total);
}

void BM_ZlibUncompress(benchmark::State& state)
{
    const std::size_t blockBytes = static_cast<std::size_t>(state.range(0));
    std::vector<std::vector<unsigned char>> blocks;
    std::size_t total = 0;
    for (std::size_t at = 0; at < Text().size(); at += blockBytes) {
        const std::size_t n = std::min(blockBytes, Text().size() - at);
        std::vector<unsigned char> packed(compressBound(static_cast<uLong>(n)));
        uLongf size = static_cast<uLongf>(packed.size());
        compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(Text().data() + at),
                  static_cast<uLong>(n), 9);
        packed.resize(size);
        total += size;
        blocks.push_back(std::move(packed));
    }
    std::vector<unsigned char> out(blockBytes);
    for (auto _ : state) {
        for (const auto& block : blocks) {
            uLongf size = static_cast<uLongf>(out.size());
            uncompress(out.data(), &size, block.data(), static_cast<uLong>(block.size()));
            benchmark::DoNotOptimize(out.data());
        }
    }
    Report(state, total);
}

} // namespace

BENCHMARK(BM_BlockCodecPack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockCodecUnpack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibLevel9Compress)->Arg(kBlockBytes)->Arg(kTextBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibUncompress)->Arg(kBlockBytes)->Arg(kTextBytes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
