#include "rtf/RtfFormatting.h"

bool RtfFormatting::Set(Field field, int value)
{
    switch (field) {
    case Field::Bold:
        bold = static_cast<unsigned char>(value);
        return true;
    case Field::Underline:
        underline = static_cast<unsigned char>(value);
        return true;
    case Field::Italic:
        italic = static_cast<unsigned char>(value);
        return true;
    case Field::LeftIndent:
        leftIndent = value;
        return true;
    case Field::RightIndent:
        rightIndent = value;
        return true;
    case Field::FirstIndent:
        firstIndent = value;
        return true;
    case Field::Justification:
        justification = value;
        return true;
    case Field::Columns:
        columns = value;
        return true;
    case Field::SectionBreak:
        sectionBreak = value;
        return true;
    case Field::PageNumberX:
        pageNumberX = value;
        return true;
    case Field::PageNumberY:
        pageNumberY = value;
        return true;
    case Field::PageNumberFormat:
        pageNumberFormat = value;
        return true;
    case Field::PageWidth:
        pageWidth = value;
        return true;
    case Field::PageHeight:
        pageHeight = value;
        return true;
    case Field::MarginLeft:
        marginLeft = value;
        return true;
    case Field::MarginRight:
        marginRight = value;
        return true;
    case Field::MarginTop:
        marginTop = value;
        return true;
    case Field::MarginBottom:
        marginBottom = value;
        return true;
    case Field::PageNumberStart:
        pageNumberStart = value;
        return true;
    case Field::FacingPages:
        facingPages = value;
        return true;
    case Field::Landscape:
        landscape = value;
        return true;
    }
    return false;
}

int RtfFormatting::Get(Field field) const
{
    switch (field) {
    case Field::Bold:
        return bold;
    case Field::Underline:
        return underline;
    case Field::Italic:
        return italic;
    case Field::LeftIndent:
        return leftIndent;
    case Field::RightIndent:
        return rightIndent;
    case Field::FirstIndent:
        return firstIndent;
    case Field::Justification:
        return justification;
    case Field::Columns:
        return columns;
    case Field::SectionBreak:
        return sectionBreak;
    case Field::PageNumberX:
        return pageNumberX;
    case Field::PageNumberY:
        return pageNumberY;
    case Field::PageNumberFormat:
        return pageNumberFormat;
    case Field::PageWidth:
        return pageWidth;
    case Field::PageHeight:
        return pageHeight;
    case Field::MarginLeft:
        return marginLeft;
    case Field::MarginRight:
        return marginRight;
    case Field::MarginTop:
        return marginTop;
    case Field::MarginBottom:
        return marginBottom;
    case Field::PageNumberStart:
        return pageNumberStart;
    case Field::FacingPages:
        return facingPages;
    case Field::Landscape:
        return landscape;
    }
    return 0;
}
