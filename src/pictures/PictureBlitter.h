#pragma once

#include <QImage>

class QPainter;

// Copies pictures onto a painter for the length of one drawing. Every copy is plain
// (no smoothing, no blending, whatever mode the painter was left in).
class PictureBlitter
{
public:
    // Qt's raster engine hands a fill of more than about 96 rows to its thread pool and
    // waits for it; on a busy machine that wait can last a whole time slice. Large copies
    // are therefore made in bands of at most this many rows.
    static constexpr int kBandRows = 64;

    explicit PictureBlitter(QPainter& painter);

    // The whole picture scaled to fill the rectangle. False, drawing nothing, for a null
    // picture.
    bool StretchPicture(const QImage& picture, int x, int y, int width, int height);

    // Fills left ≤ x < right, top ≤ y < bottom with copies of the picture laid at whole
    // multiples of its size from the painter's origin, so neighbouring areas tiled
    // separately join seamlessly. False, drawing nothing, for a null picture.
    bool TilePicture(const QImage& picture, int left, int top, int right, int bottom);

private:
    QPainter& m_painter;
};
