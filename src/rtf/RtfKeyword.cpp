#include "rtf/RtfKeyword.h"

#include <array>

namespace {

using Kind = RtfKeyword::Kind;
using Field = RtfFormatting::Field;

constexpr RtfKeyword Prop(std::string_view word, int value, bool force, Field field)
{
    return {word, value, force, Kind::Property, static_cast<int>(field)};
}
constexpr RtfKeyword Char(std::string_view word, char emitted)
{
    return {word, 0, false, Kind::Character, static_cast<unsigned char>(emitted)};
}
constexpr RtfKeyword Dest(std::string_view word)
{
    return {word, 0, false, Kind::Destination, 0};
}
constexpr RtfKeyword Spec(std::string_view word, RtfKeyword::Special special)
{
    return {word, 0, false, Kind::Special, special};
}

// Searched front to back; the first match wins.
constexpr std::array kTable{
    Prop("b", 1, false, Field::Bold),
    Prop("u", 1, false, Field::Underline),
    Prop("i", 1, false, Field::Italic),
    Prop("li", 0, false, Field::LeftIndent),
    Prop("ri", 0, false, Field::RightIndent),
    Prop("fi", 0, false, Field::FirstIndent),
    Prop("cols", 1, false, Field::Columns),
    Prop("sbknone", 0, true, Field::SectionBreak),
    Prop("sbkcol", 1, true, Field::SectionBreak),
    Prop("sbkeven", 2, true, Field::SectionBreak),
    Prop("sbkodd", 3, true, Field::SectionBreak),
    Prop("sbkpage", 4, true, Field::SectionBreak),
    Prop("pgnx", 0, false, Field::PageNumberX),
    Prop("pgny", 0, false, Field::PageNumberY),
    Prop("pgndec", 0, true, Field::PageNumberFormat),
    Prop("pgnucrm", 1, true, Field::PageNumberFormat),
    Prop("pgnlcrm", 2, true, Field::PageNumberFormat),
    Prop("pgnucltr", 3, true, Field::PageNumberFormat),
    Prop("pgnlcltr", 4, true, Field::PageNumberFormat),
    Prop("qc", 2, true, Field::Justification),
    Prop("ql", 0, true, Field::Justification),
    Prop("qr", 1, true, Field::Justification),
    Prop("qj", 3, true, Field::Justification),
    Prop("paperw", 12240, false, Field::PageWidth),
    Prop("paperh", 15480, false, Field::PageHeight),
    Prop("margl", 1800, false, Field::MarginLeft),
    Prop("margr", 1800, false, Field::MarginRight),
    Prop("margt", 1440, false, Field::MarginTop),
    Prop("margb", 1440, false, Field::MarginBottom),
    Prop("pgnstart", 1, true, Field::PageNumberStart),
    Prop("facingp", 1, true, Field::FacingPages),
    Prop("landscape", 1, true, Field::Landscape),
    Char("par", '\n'),
    // A backslash before a line end is a paragraph end, as in "par".
    Char("\n", '\n'),
    Char("\r", '\n'),
    Char("tab", '\t'),
    Char("ldblquote", '"'),
    Char("rdblquote", '"'),
    Spec("bin", RtfKeyword::Binary),
    Spec("*", RtfKeyword::SkipIfUnknown),
    Spec("'", RtfKeyword::HexadecimalByte),
    Dest("author"),
    Dest("buptim"),
    Dest("colortbl"),
    Dest("comment"),
    Dest("creatim"),
    Dest("doccomm"),
    Dest("fonttbl"),
    Dest("footer"),
    Dest("footerf"),
    Dest("footerl"),
    Dest("footerr"),
    Dest("footnote"),
    Dest("ftncn"),
    Dest("ftnsep"),
    Dest("ftnsepc"),
    Dest("header"),
    Dest("headerf"),
    Dest("headerl"),
    Dest("headerr"),
    Dest("info"),
    Dest("keywords"),
    Dest("operator"),
    Dest("pict"),
    Dest("printim"),
    Dest("private1"),
    Dest("revtim"),
    Dest("rxe"),
    Dest("stylesheet"),
    Dest("subject"),
    Dest("tc"),
    Dest("title"),
    Dest("txe"),
    Dest("xe"),
    Char("{", '{'),
    Char("}", '}'),
    Char("\\", '\\'),
};
static_assert(kTable.size() == 77);

} // namespace

const RtfKeyword* RtfKeyword::Find(std::string_view word)
{
    // The two empty entries must stay unmatched.
    if (word.empty())
        return nullptr;
    for (const RtfKeyword& entry : kTable) {
        if (entry.keyword == word)
            return &entry;
    }
    return nullptr;
}

std::span<const RtfKeyword> RtfKeyword::Table()
{
    return kTable;
}
