#pragma once

// The character, paragraph, section and document properties the reader tracks.
// Nothing in the extracted text depends on them; they are kept so that groups
// restore them as a word processor would.
struct RtfFormatting
{
    // Which property a keyword sets.
    enum class Field
    {
        Bold,
        Underline,
        Italic,
        LeftIndent,
        RightIndent,
        FirstIndent,
        Justification,
        Columns,
        SectionBreak,
        PageNumberX,
        PageNumberY,
        PageNumberFormat,
        PageWidth,
        PageHeight,
        MarginLeft,
        MarginRight,
        MarginTop,
        MarginBottom,
        PageNumberStart,
        FacingPages,
        Landscape
    };

    // Character properties: one byte each, as the value's low byte.
    unsigned char bold = 0;
    unsigned char underline = 0;
    unsigned char italic = 0;

    // Paragraph properties.
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int justification = 0; // 0 left, 1 right, 2 centred, 3 justified

    // Section properties.
    int columns = 0;
    int sectionBreak = 0; // 0 none, 1 column, 2 even, 3 odd, 4 page
    int pageNumberX = 0;
    int pageNumberY = 0;
    int pageNumberFormat = 0; // 0 decimal, 1/2 upper/lower roman, 3/4 upper/lower letters

    // Document properties.
    int pageWidth = 0;
    int pageHeight = 0;
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    int pageNumberStart = 0;
    int facingPages = 0;
    int landscape = 0;

    // Stores `value` in `field`; false for a field this type does not know.
    bool Set(Field field, int value);
    // The value of `field` (0 for a field this type does not know).
    int Get(Field field) const;
};
