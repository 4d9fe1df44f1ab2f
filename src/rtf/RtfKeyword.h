#pragma once

#include "rtf/RtfFormatting.h"

#include <span>
#include <string_view>

// One entry of the table of control words the reader knows.
struct RtfKeyword
{
    enum class Kind
    {
        Character,   // emits the byte `index`
        Destination, // the rest of the group is dropped
        Property,    // sets the formatting field `index`
        Special      // `index` is one of the Special values
    };
    enum Special
    {
        Binary,          // "bin": raw bytes follow
        SkipIfUnknown,   // "*": drop the group if the next word is unknown
        HexadecimalByte, // "'": two hexadecimal digits follow
    };

    std::string_view keyword;
    int defaultValue;
    bool forceDefault; // ignore the parameter in the file
    Kind kind;
    int index;

    // The first entry whose keyword equals `word` exactly, or nullptr.
    static const RtfKeyword* Find(std::string_view word);
    // All entries in search order.
    static std::span<const RtfKeyword> Table();
};
