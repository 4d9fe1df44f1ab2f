#include "pictures/PictureImage.h"

QImage PictureImage::FromPicture(const Picture& picture)
{
    if (picture.IsEmpty() ||
        picture.rgb.size() != picture.RowBytes() * static_cast<std::size_t>(picture.height)) {
        return {};
    }
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* in = picture.PixelAt(0, y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x, in += 3) {
            out[x] = qRgb(in[0], in[1], in[2]);
        }
    }
    return image;
}
