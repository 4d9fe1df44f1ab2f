#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversion between the program's single-byte Windows-1250 text and Unicode.
// Only the edges use it: windows, command-line output and the user's own text files.
// The mapping itself comes from the system's iconv, read once into tables.
class TextCodec
{
public:
    // Every Windows-1250 byte has a Unicode form except the five unassigned ones
    // (0x81, 0x83, 0x88, 0x90, 0x98); those become U+FFFD.
    static std::string ToUtf8(std::string_view windows1250);

    // Characters without a Windows-1250 form and malformed sequences are dropped.
    static std::string FromUtf8(std::string_view utf8);

    // Like FromUtf8, but stops at the first character without a Windows-1250 form or
    // malformed sequence: false, with `faultAt` its byte offset in `utf8`.
    static bool FromUtf8Exactly(std::string_view utf8, std::string& windows1250, std::size_t& faultAt);

    // The Windows-1250 byte of a Unicode code point, or -1 when there is none.
    static int ByteForCodePoint(char32_t codePoint);

    // The Unicode code point of a Windows-1250 byte (U+FFFD for the unassigned ones).
    static char32_t CodePointForByte(unsigned char byte);

    // True when the text is well-formed UTF-8 (pure ASCII counts as valid).
    static bool IsValidUtf8(std::string_view text);
    static bool IsAscii(std::string_view text);
};
