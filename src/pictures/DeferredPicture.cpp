#include "pictures/DeferredPicture.h"

#include "pictures/LoadJpegPicture.h"
#include "pictures/PictureImage.h"

#include <fstream>

void DeferredPicture::Keep(const std::string& path, const QImage& decoded)
{
    Clear();
    if (decoded.isNull()) {
        return;
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    // Trailing junk can make a file larger than its picture; that file is not worth keeping.
    if (size > 0 && size < decoded.sizeInBytes()) {
        QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
        if (file.seekg(0) && file.read(bytes.data(), size)) {
            m_jpeg = std::move(bytes);
            return;
        }
    }
    m_picture = decoded;
}

void DeferredPicture::Clear()
{
    m_jpeg = QByteArray();
    m_picture = QImage();
}

QImage DeferredPicture::Image() const
{
    if (m_jpeg.isEmpty()) {
        return m_picture;
    }
    Picture decoded;
    if (!DecodeJpegPicture(reinterpret_cast<const std::uint8_t*>(m_jpeg.constData()),
                           static_cast<std::size_t>(m_jpeg.size()), decoded)) {
        return {};
    }
    return PictureImage::FromPicture(decoded);
}
