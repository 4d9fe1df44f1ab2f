#pragma once

#include <QFont>

// The keyboard view's one font: a bold fixed-pitch face, sized by a height value as the
// Windows font description has it. A negative value is the character height in pixels,
// a positive one the cell height (character plus internal leading), 0 a default size.
class ViewFont
{
public:
    // The fit search starts here and gives up before kEndHeight.
    static constexpr int kStartHeight = -40;
    static constexpr int kEndHeight = 40;

    struct Cell
    {
        int cx = 0;
        int cy = 0;
    };

    // Liberation Mono (the metrics of Courier New), else the system's fixed font.
    static QFont Create(int height);

    // Width and height of "A"; at least 1 each, so that rows can be counted.
    static Cell Measure(const QFont& font);

    // The height value of the first font, from kStartHeight upwards, with which four
    // lines of 70 characters fit the client area; kEndHeight - 1 when none does.
    static int FitHeight(int clientWidth, int clientHeight);

    static QString FamilyName();
};
