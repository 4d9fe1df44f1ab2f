#pragma once

#include <QImage>

struct SetStyle;

// The still pictures of a picture set: hands, status strip and the background tile.
class SetPictures
{
public:
    static constexpr int StripWidth = 1000;
    static constexpr int StripHeight = 50;
    static constexpr int TileSize = 128;

    static QImage Hands(const SetStyle& style);
    static QImage StatusStrip(const SetStyle& style);
    static QImage BackgroundTile(const SetStyle& style);
};
