#include "rtf/RtfTextReader.h"

#include "resources/TextCodec.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <new>

namespace {

bool IsLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int ClampToInt(long value)
{
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

RtfTextReader::RtfTextReader(std::vector<std::string>& lines, int width)
    : m_lines(lines)
    , m_width(width)
{}

void RtfTextReader::ApplyTextMode(std::string& bytes)
{
    std::size_t out = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == 26)
            break;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        bytes[out++] = c;
    }
    bytes.resize(out);
}

int RtfTextReader::Parse(std::string_view input)
{
    m_input = input;
    m_pos = 0;
    try {
        while (m_pos < m_input.size()) {
            const auto c = static_cast<unsigned char>(m_input[m_pos++]);
            int result = Success;
            if (m_inputState == InputState::Binary) {
                result = CharacterStep(c);
            } else if (c == '{' || c == '}') {
                // A brace ends the skipping of Unicode fallback characters.
                m_fallbackLeft = 0;
                m_dropEscapedBytes = false;
                result = c == '{' ? OpenGroup() : CloseGroup();
            } else if (c == '\\') {
                result = ReadControl();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else if (m_inputState == InputState::Normal) {
                if (m_fallbackLeft > 0)
                    --m_fallbackLeft;
                else
                    result = CharacterStep(c);
            } else if (m_inputState == InputState::Hex) {
                result = HexDigit(c);
            } else {
                result = BadInputState;
            }
            if (result != Success)
                return result;
        }
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    }
    if (m_depth < 0)
        return UnmatchedClose;
    if (m_depth > 0)
        return UnclosedGroup;
    return Success;
}

int RtfTextReader::OpenGroup()
{
    m_groups.push_back({m_undo.size(), m_unicodeFallbackCount, m_destination, m_inputState});
    m_inputState = InputState::Normal;
    ++m_depth;
    return Success;
}

int RtfTextReader::CloseGroup()
{
    if (m_groups.empty())
        return UnmatchedClose;
    const GroupEntry& entry = m_groups.back();
    while (m_undo.size() > entry.undoMark) {
        m_formatting.Set(m_undo.back().field, m_undo.back().oldValue);
        m_undo.pop_back();
    }
    m_destination = entry.destination;
    m_inputState = entry.inputState;
    m_unicodeFallbackCount = entry.unicodeFallbackCount;
    m_groups.pop_back();
    --m_depth;
    return Success;
}

int RtfTextReader::ReadControl()
{
    if (m_pos >= m_input.size())
        return UnexpectedEnd;
    const std::size_t start = m_pos++;
    if (!IsLetter(static_cast<unsigned char>(m_input[start])))
        return Dispatch(m_input.substr(start, 1), false, 0);

    while (m_pos < m_input.size() && IsLetter(static_cast<unsigned char>(m_input[m_pos]))) {
        if (m_pos - start >= kMaxKeywordLength)
            return TooLong;
        ++m_pos;
    }
    const std::string_view word = m_input.substr(start, m_pos - start);

    bool negative = false;
    if (m_pos < m_input.size() && m_input[m_pos] == '-') {
        negative = true;
        if (++m_pos >= m_input.size())
            return UnexpectedEnd;
    }
    bool hasParameter = false;
    long parameter = 0;
    if (m_pos < m_input.size() && IsDigit(static_cast<unsigned char>(m_input[m_pos]))) {
        const std::size_t digitsStart = m_pos;
        long value = 0;
        while (m_pos < m_input.size() && IsDigit(static_cast<unsigned char>(m_input[m_pos]))) {
            if (m_pos - digitsStart >= kMaxParameterDigits)
                return TooLong;
            const int digit = m_input[m_pos++] - '0';
            // Nineteen digits can exceed a long; saturate rather than overflow.
            value = value > (LONG_MAX - digit) / 10 ? LONG_MAX : value * 10 + digit;
        }
        hasParameter = true;
        parameter = negative ? -value : value;
        m_lastParameter = value;
    }
    // A space delimits the word and belongs to it; any other character is read again.
    if (m_pos < m_input.size() && m_input[m_pos] == ' ')
        ++m_pos;
    return Dispatch(word, hasParameter, parameter);
}

int RtfTextReader::Dispatch(std::string_view word, bool hasParameter, long parameter)
{
    if (m_fallbackLeft > 0) {
        --m_fallbackLeft;
        return SkipFallbackControl(word);
    }
    // "u" alone is underline; with a number it is a Unicode character.
    if (word == "u" && hasParameter) {
        m_skipIfUnknown = false;
        return UnicodeCharacter(parameter);
    }
    if (word == "uc") {
        m_skipIfUnknown = false;
        if (hasParameter)
            m_unicodeFallbackCount = ClampToInt(std::max(parameter, 0L));
        return Success;
    }

    const RtfKeyword* keyword = RtfKeyword::Find(word);
    if (keyword == nullptr) {
        if (m_skipIfUnknown)
            m_destination = Destination::Skip;
        m_skipIfUnknown = false;
        return Success;
    }
    m_skipIfUnknown = false;
    switch (keyword->kind) {
    case RtfKeyword::Kind::Property:
        return SetProperty(*keyword, hasParameter, parameter);
    case RtfKeyword::Kind::Character:
        return CharacterStep(static_cast<unsigned char>(keyword->index));
    case RtfKeyword::Kind::Destination:
        m_destination = Destination::Skip;
        return Success;
    case RtfKeyword::Kind::Special:
        switch (keyword->index) {
        case RtfKeyword::Binary:
            m_inputState = InputState::Binary;
            m_binaryCount = m_lastParameter;
            return Success;
        case RtfKeyword::HexadecimalByte:
            if (m_destination != Destination::Skip) {
                m_inputState = InputState::Hex;
                m_hexValue = 0;
                m_hexDigits = 0;
            }
            return Success;
        case RtfKeyword::SkipIfUnknown:
            if (m_destination != Destination::Skip)
                m_skipIfUnknown = true;
            return Success;
        }
        return BadKeywordTable;
    }
    return BadKeywordTable;
}

// A control word or symbol that stands in for a Unicode character counts as one
// fallback character; a hexadecimal escape or binary data takes its bytes with it.
int RtfTextReader::SkipFallbackControl(std::string_view word)
{
    if (word == "'" && m_destination != Destination::Skip) {
        m_inputState = InputState::Hex;
        m_hexValue = 0;
        m_hexDigits = 0;
        m_dropEscapedBytes = true;
    } else if (word == "bin") {
        m_inputState = InputState::Binary;
        m_binaryCount = m_lastParameter;
        m_dropEscapedBytes = true;
    }
    return Success;
}

int RtfTextReader::UnicodeCharacter(long parameter)
{
    m_fallbackLeft = m_unicodeFallbackCount;
    const long codePoint = parameter < 0 ? parameter + 65536 : parameter;
    if (codePoint <= 0 || codePoint > 0x10FFFF)
        return Success;
    const int byte = TextCodec::ByteForCodePoint(static_cast<char32_t>(codePoint));
    if (byte < 0)
        return Success;
    return CharacterStep(static_cast<unsigned char>(byte));
}

int RtfTextReader::SetProperty(const RtfKeyword& keyword, bool hasParameter, long parameter)
{
    const int value = keyword.forceDefault || !hasParameter ? keyword.defaultValue : ClampToInt(parameter);
    if (m_destination == Destination::Skip)
        return Success;
    const auto field = static_cast<RtfFormatting::Field>(keyword.index);
    const int oldValue = m_formatting.Get(field);
    if (!m_formatting.Set(field, value))
        return BadKeywordTable;
    if (!m_groups.empty())
        m_undo.push_back({field, oldValue});
    return Success;
}

int RtfTextReader::HexDigit(unsigned char c)
{
    const int digit = HexValue(c);
    if (digit < 0)
        return BadHexDigit;
    m_hexValue = m_hexValue * 16 + digit;
    if (++m_hexDigits < 2)
        return Success;
    const auto byte = static_cast<unsigned char>(m_hexValue);
    m_hexValue = 0;
    m_hexDigits = 0;
    m_inputState = InputState::Normal;
    if (m_dropEscapedBytes) {
        m_dropEscapedBytes = false;
        return Success;
    }
    return CharacterStep(byte);
}

int RtfTextReader::CharacterStep(unsigned char b)
{
    if (m_inputState == InputState::Binary) {
        // Even a count of 0 takes one byte.
        if (--m_binaryCount <= 0) {
            m_inputState = InputState::Normal;
            if (m_dropEscapedBytes) {
                m_dropEscapedBytes = false;
                return Success;
            }
        }
        if (m_dropEscapedBytes)
            return Success;
    }
    if (m_destination == Destination::Skip)
        return Success;
    OutputStep(b);
    return Success;
}

// Each word is added to the line with a space in front of it, so a line
// begun by a space-delimited word starts with a space. The width is checked
// only at spaces; a paragraph end adds the last word unchecked.
void RtfTextReader::OutputStep(unsigned char b)
{
    if (b == '\n') {
        m_line += ' ';
        m_line += m_word;
        m_word.clear();
        m_lines.push_back(std::move(m_line));
        m_line.clear();
    } else if (b == ' ') {
        if (static_cast<long long>(m_line.size() + m_word.size()) < m_width) {
            m_line += ' ';
        } else {
            m_lines.push_back(std::move(m_line));
            m_line.clear();
        }
        m_line += m_word;
        m_word.clear();
    } else {
        m_word += static_cast<char>(b);
    }
}

void ReadRtfLines(const std::string& path, std::vector<std::string>& lines, int width, std::size_t maxBytes)
{
    std::string bytes;
    {
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
        if (!file)
            throw RtfFileError(RtfFileError::Kind::NotFound, path);
        try {
            char buffer[65536];
            std::size_t count;
            while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
                if (count > maxBytes - bytes.size())
                    throw RtfFileError(RtfFileError::Kind::Generic, path);
                bytes.append(buffer, count);
            }
        } catch (const std::bad_alloc&) {
            throw RtfFileError(RtfFileError::Kind::Generic, path);
        }
        // A read error must not pass for the end of the document.
        if (std::ferror(file.get()))
            throw RtfFileError(RtfFileError::Kind::Generic, path);
    }
    RtfTextReader::ApplyTextMode(bytes);
    RtfTextReader reader(lines, width);
    if (reader.Parse(bytes) != RtfTextReader::Success)
        throw RtfFileError(RtfFileError::Kind::Generic, path);
}
