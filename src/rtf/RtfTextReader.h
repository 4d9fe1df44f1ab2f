#pragma once

#include "rtf/RtfFileError.h"
#include "rtf/RtfFormatting.h"
#include "rtf/RtfKeyword.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Extracts the plain text of an RTF document body and wraps it into lines.
// Tables, document information, headers, footers, footnotes and pictures are
// dropped; bytes are copied as they are (Windows-1250), Unicode escapes are
// mapped to their Windows-1250 byte.
class RtfTextReader
{
public:
    // Parse results; 0 is success.
    enum Result : int
    {
        Success = 0,
        UnmatchedClose = 1,  // a closing brace without an open group
        OutOfMemory = 2,     // no memory for a group entry (or the text)
        UnclosedGroup = 3,   // groups still open at the end of the input
        BadHexDigit = 4,     // a non-hexadecimal character after \'
        BadKeywordTable = 5, // a table entry of unknown kind or action
        BadInputState = 6,   // an input state that cannot occur
        UnexpectedEnd = 7,   // the input ends after a backslash or a parameter's minus sign
        TooLong = 8          // a control word over 29 letters or a parameter over 19 digits
    };

    static constexpr std::size_t kMaxKeywordLength = 29;
    static constexpr std::size_t kMaxParameterDigits = 19;

    // Finished lines are appended to `lines`; `width` is the line width.
    RtfTextReader(std::vector<std::string>& lines, int width);

    // Reads a document held in memory; a further call goes on from the state this one
    // left. Lines finished before an error stay in `lines`.
    int Parse(std::string_view input);

    // Turns raw file bytes into what a text-mode read delivers: each CR LF pair
    // becomes LF, and a byte 26 ends the input.
    static void ApplyTextMode(std::string& bytes);

    const RtfFormatting& Formatting() const { return m_formatting; }
    long GroupDepth() const { return m_depth; }
    bool IsSkipping() const { return m_destination == Destination::Skip; }
    long LastParameter() const { return m_lastParameter; }
    int UnicodeFallbackCount() const { return m_unicodeFallbackCount; }

private:
    enum class Destination : unsigned char
    {
        Normal,
        Skip
    };
    enum class InputState : unsigned char
    {
        Normal,
        Binary,
        Hex
    };

    // The state saved by an open group. Instead of a copy of the formatting it
    // holds the position in the undo log, so that deep nesting stays small.
    struct GroupEntry
    {
        std::size_t undoMark;
        int unicodeFallbackCount;
        Destination destination;
        InputState inputState;
    };
    // A property's value before it was changed inside a group.
    struct PropertyUndo
    {
        RtfFormatting::Field field;
        int oldValue;
    };

    int OpenGroup();
    int CloseGroup();
    int ReadControl();
    int Dispatch(std::string_view word, bool hasParameter, long parameter);
    int SkipFallbackControl(std::string_view word);
    int UnicodeCharacter(long parameter);
    int SetProperty(const RtfKeyword& keyword, bool hasParameter, long parameter);
    int HexDigit(unsigned char c);
    int CharacterStep(unsigned char b);
    void OutputStep(unsigned char b);

    std::vector<std::string>& m_lines;
    int m_width;

    std::string_view m_input;
    std::size_t m_pos = 0;

    long m_depth = 0;
    Destination m_destination = Destination::Normal;
    InputState m_inputState = InputState::Normal;
    bool m_skipIfUnknown = false;
    long m_binaryCount = 0;
    long m_lastParameter = 0;
    int m_hexValue = 0;
    int m_hexDigits = 0;

    // Unicode escapes: the fallback count (\uc), the fallback characters still to
    // skip, and whether the bytes of the escape being read are such a fallback.
    int m_unicodeFallbackCount = 1;
    long m_fallbackLeft = 0;
    bool m_dropEscapedBytes = false;

    RtfFormatting m_formatting;
    std::vector<GroupEntry> m_groups;
    std::vector<PropertyUndo> m_undo;

    std::string m_word;
    std::string m_line;
};

// The largest RTF file read: documents carry their pictures inline, so they may be far
// larger than the text they hold, but not without end.
constexpr std::size_t kMaxRtfFileBytes = 64 * 1024 * 1024;

// Appends the plain text of the RTF document at `path` to `lines`, wrapped at `width`.
// Throws RtfFileError (NotFound when the file cannot be opened, Generic on a read or
// parse error or a file larger than `maxBytes`); lines appended before the error stay.
void ReadRtfLines(const std::string& path, std::vector<std::string>& lines, int width,
                  std::size_t maxBytes = kMaxRtfFileBytes);
