#include "resources/TextCodec.h"

#include <array>
#include <iconv.h>
#include <memory>
#include <type_traits>
#include <unordered_map>

namespace {

struct IconvCloser
{
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

constexpr char32_t kReplacement = 0xFFFD;

struct Tables
{
    std::array<char32_t, 256> codePoint{};
    std::array<std::string, 256> utf8;
    std::unordered_map<char32_t, unsigned char> byteOf;
};

std::string EncodeUtf8(char32_t cp)
{
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

// All 256 bytes through iconv once (to UTF-32LE); later conversions are table look-ups.
const Tables& CodecTables()
{
    static const Tables tables = [] {
        Tables t;
        IconvHandle cd(iconv_open("UTF-32LE", "WINDOWS-1250"));
        for (int b = 0; b < 256; ++b) {
            char32_t cp = b < 128 ? static_cast<char32_t>(b) : kReplacement;
            if (cd.get() != reinterpret_cast<iconv_t>(-1)) {
                char in = static_cast<char>(b);
                unsigned char out[8] = {};
                char* inPtr = &in;
                char* outPtr = reinterpret_cast<char*>(out);
                size_t inLeft = 1;
                size_t outLeft = sizeof out;
                if (iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                    outLeft == sizeof out - 4) {
                    cp = out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
                } else {
                    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
                }
            }
            t.codePoint[b] = cp;
            t.utf8[b] = EncodeUtf8(cp);
            if (cp != kReplacement)
                t.byteOf.emplace(cp, static_cast<unsigned char>(b));
        }
        return t;
    }();
    return tables;
}

// Decodes the UTF-8 sequence at text[i]; returns its length, or 0 when it is malformed.
size_t DecodeSequence(std::string_view text, size_t i, char32_t& cp)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t len = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        len = 2;
        cp = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3;
        cp = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4;
        cp = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

std::string TextCodec::ToUtf8(std::string_view windows1250)
{
    const auto& utf8 = CodecTables().utf8;
    std::string out;
    out.reserve(windows1250.size() + windows1250.size() / 4);
    for (char c : windows1250)
        out += utf8[static_cast<unsigned char>(c)];
    return out;
}

std::string TextCodec::FromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const size_t len = DecodeSequence(utf8, i, cp);
        if (len == 0) {
            ++i;
            continue;
        }
        if (const int b = ByteForCodePoint(cp); b >= 0)
            out += static_cast<char>(b);
        i += len;
    }
    return out;
}

bool TextCodec::FromUtf8Exactly(std::string_view utf8, std::string& windows1250, std::size_t& faultAt)
{
    windows1250.clear();
    windows1250.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const size_t len = DecodeSequence(utf8, i, cp);
        const int b = len == 0 ? -1 : ByteForCodePoint(cp);
        if (b < 0) {
            faultAt = i;
            return false;
        }
        windows1250 += static_cast<char>(b);
        i += len;
    }
    return true;
}

int TextCodec::ByteForCodePoint(char32_t codePoint)
{
    const auto& byteOf = CodecTables().byteOf;
    const auto it = byteOf.find(codePoint);
    return it == byteOf.end() ? -1 : it->second;
}

char32_t TextCodec::CodePointForByte(unsigned char byte)
{
    return CodecTables().codePoint[byte];
}

bool TextCodec::IsValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        const size_t len = DecodeSequence(text, i, cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

bool TextCodec::IsAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}
