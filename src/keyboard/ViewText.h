#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <string>

class QFontMetrics;
class QPainter;

// The view's text routine. Texts are Windows-1250 bytes; the line-end character 164
// is drawn as a return arrow in the text colour. Positions are the top-left corner of
// the first character cell; the background stays as it is. Characters stand in cells as
// wide as "A", as in a fixed-pitch font with whole-pixel advances.
class ViewText
{
public:
    static constexpr char kReturnMark = '\xA4';

    // The text as the font shows it, every 164 a blank.
    static QString ToDisplay(const std::string& text);

    // The width of the text in the fixed-pitch font: one cell of "A" per character.
    static int Width(const QFontMetrics& metrics, const std::string& text);

    // Rows a glyph of a cell `cy` high may reach above and below its cell.
    static int InkOverhang(int cy) { return cy / 8; }

    // Where Draw may leave ink: the cells from the first to the last character that is not
    // a blank, a cell more on each side for bold glyphs, and the overhang above and below.
    static QRect InkExtent(int cx, int cy, int x, int y, const std::string& text);

    // Draws with the painter's font; returns the rectangle it may have touched.
    static QRect Draw(QPainter& painter, int x, int y, const std::string& text, const QColor& colour);

    // The arrow of one 164 in the cell with left edge `left`: a hook down from the upper
    // right, left along the middle, and a head at its left end.
    static QRect DrawReturnArrow(QPainter& painter, int left, int y, int cx, int cy, const QColor& colour);
};
