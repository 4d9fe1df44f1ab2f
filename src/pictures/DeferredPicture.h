#pragma once

#include <QByteArray>
#include <QImage>

#include <string>

// A picture that must load at start but is shown only now and then. It keeps the bytes of
// its JPEG file, a fraction of the decoded size, and decodes them whenever it is asked
// for; like a picture kept decoded, it no longer depends on the file.
class DeferredPicture
{
public:
    // Takes the picture just loaded from `path`: keeps the file's bytes when the file can
    // be read again and is smaller than the picture, else the picture itself.
    void Keep(const std::string& path, const QImage& decoded);
    void Clear();

    // Decoded anew from the kept bytes, or the kept picture; null when nothing is kept or
    // memory runs out.
    QImage Image() const;

    bool HoldsFile() const { return !m_jpeg.isEmpty(); }

private:
    QByteArray m_jpeg;
    QImage m_picture;
};
