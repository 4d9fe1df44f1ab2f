#pragma once

#include "pictures/Picture.h"

#include <QImage>

// Decoded pictures as images the windows draw (opaque 32-bit RGB).
class PictureImage
{
public:
    // A null image for an empty or inconsistent picture, or when memory runs out.
    static QImage FromPicture(const Picture& picture);
};
