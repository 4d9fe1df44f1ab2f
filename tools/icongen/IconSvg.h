#pragma once

#include <QString>

// The program icon as SVG: the key cap of the window icon at 256 x 256, its "T" as a
// path so that the picture does not depend on the fonts of the machine showing it.
class IconSvg
{
public:
    static QString Document();
};
