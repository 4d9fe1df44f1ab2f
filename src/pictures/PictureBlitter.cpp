#include "pictures/PictureBlitter.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// A smaller picture is first repeated into one tile at least this large, so a tiny
// picture over a large area takes few copies. The pattern stays the same.
constexpr int kMinTileSide = 64;

constexpr int kMaxBandRows = PictureBlitter::kBandRows;

int FloorMod(int value, int modulus)
{
    const int rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

QImage EnlargedTile(const QImage& picture)
{
    const int across = (kMinTileSide + picture.width() - 1) / picture.width();
    const int down = (kMinTileSide + picture.height() - 1) / picture.height();
    if (across == 1 && down == 1) {
        return picture;
    }
    QImage tile(picture.width() * across, picture.height() * down,
                picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (tile.isNull()) {
        return picture;
    }
    QPainter painter(&tile);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < down; ++y) {
        for (int x = 0; x < across; ++x) {
            painter.drawImage(x * picture.width(), y * picture.height(), picture);
        }
    }
    return tile;
}

// Keeps the painter's state for the caller and sets up plain copying.
class PlainCopy
{
public:
    explicit PlainCopy(QPainter& painter)
        : m_painter(painter)
    {
        m_painter.save();
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_painter.setOpacity(1.0);
    }
    ~PlainCopy() { m_painter.restore(); }
    PlainCopy(const PlainCopy&) = delete;
    PlainCopy& operator=(const PlainCopy&) = delete;

private:
    QPainter& m_painter;
};

// The part of the area that can show on the device, so that a huge area costs no more
// copies than the device holds.
QRect VisiblePart(const QPainter& painter, QRect area)
{
    if (const QPaintDevice* device = painter.device()) {
        bool invertible = false;
        const QTransform toLogical = painter.combinedTransform().inverted(&invertible);
        if (invertible) {
            area &= toLogical.mapRect(QRect(0, 0, device->width(), device->height())).adjusted(-1, -1, 1, 1);
        }
    }
    if (painter.hasClipping()) {
        area &= painter.clipBoundingRect().toAlignedRect();
    }
    return area;
}

} // namespace

PictureBlitter::PictureBlitter(QPainter& painter)
    : m_painter(painter)
{}

bool PictureBlitter::StretchPicture(const QImage& picture, int x, int y, int width, int height)
{
    if (picture.isNull()) {
        return false;
    }
    if (width > 0 && height > 0) {
        const PlainCopy plain(m_painter);
        m_painter.drawImage(QRect(x, y, width, height), picture, picture.rect());
    }
    return true;
}

bool PictureBlitter::TilePicture(const QImage& picture, int left, int top, int right, int bottom)
{
    if (picture.isNull()) {
        return false;
    }
    if (right <= left || bottom <= top) {
        return true;
    }
    const QRect area = VisiblePart(m_painter, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    if (area.isEmpty()) {
        return true;
    }
    const QImage tile = EnlargedTile(picture);
    const int tileWidth = tile.width();
    const int tileHeight = tile.height();
    const PlainCopy plain(m_painter);
    // The first row and column start inside a tile; the last are cut at the area's edge.
    for (int y = area.top(); y <= area.bottom();) {
        const int sourceY = FloorMod(y, tileHeight);
        const int rows = std::min({tileHeight - sourceY, area.bottom() + 1 - y, kMaxBandRows});
        for (int x = area.left(); x <= area.right();) {
            const int sourceX = FloorMod(x, tileWidth);
            const int columns = std::min(tileWidth - sourceX, area.right() + 1 - x);
            m_painter.drawImage(QPoint(x, y), tile, QRect(sourceX, sourceY, columns, rows));
            x += columns;
        }
        y += rows;
    }
    return true;
}
