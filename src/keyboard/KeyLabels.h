#pragma once

#include "keyboard/KeyboardKey.h"

#include <QColor>
#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

class QPainter;

// The labels of one on-screen key: its name in black and, in grey, the shifted character
// (unless it is the name in the other case) and the AltGr character. A key with one of
// those keeps its name in the left half of its face, the shifted character in the upper
// and the AltGr character in the lower right quarter, so no two ever overlap; a key
// without them gives the whole face to its name. Each label takes the largest size, up to
// the view's font, at which its cells and its ink fit its part, as near the traditional
// place as that part allows; one that does not fit at any size is left out.
class KeyLabels
{
public:
    struct Label
    {
        // Windows-1250; character 164 is drawn as the return arrow.
        std::string text;
        QColor colour;
        // Pixel size of the view's face the label is drawn at.
        int pixelSize = 0;
        // The top-left corner of the first character cell.
        QPoint topLeft;

        // Where the label may leave ink: its cells and its glyphs.
        QRect Extent() const;
    };

    // The labels of `key`, drawn at `rect` (its pixel rectangle) inside a border `border`
    // pixels wide; `unit` is the keyboard unit in pixels, `maxPixelSize` the view font's.
    static std::vector<Label> Of(const KeyboardKey& key, const KeyboardKey::PixelRect& rect, double unit,
                                 int border, int maxPixelSize);

    // The cells and glyphs of `text` at `pixelSize`, relative to the first cell's top-left.
    static QRect ExtentOf(const std::string& text, int pixelSize);

    // Draws a label in its own font, leaving the painter as it was; returns its extent.
    static QRect Draw(QPainter& painter, const Label& label);
};
