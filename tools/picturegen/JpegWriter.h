#pragma once

#include <string>

class QImage;

// Baseline JPEG with full-resolution colour (no chroma subsampling): flat areas of
// pure white then decode to exactly white, which the status animation keys on.
class JpegWriter
{
public:
    static constexpr int DefaultQuality = 95;

    static bool Write(const QImage& image, const std::string& path, int quality = DefaultQuality);
    static std::string Encode(const QImage& image, int quality);
};
