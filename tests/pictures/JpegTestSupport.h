#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace picturetest {

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// How the test file stores its colours. The samples passed in have 3 bytes per pixel
// (RGB) for Rgb and Progressive, 1 for Grey, 4 (C, M, Y, K as stored) for the ink kinds.
enum class JpegKind
{
    Rgb,
    Progressive,
    Grey,
    CmykAdobe, // Adobe marker: inks stored inverted, 255 = no ink
    CmykPlain, // no Adobe marker: amounts of ink as they are
    Ycck,      // inverted inks, stored as YCCK by the compressor
    ManyScans, // progressive RGB, each AC coefficient of each colour in three scans: 569 in all
};

int ComponentsOf(JpegKind kind);

// Samples for every pixel, rows top to bottom, from a function of (x, y) filling `out`.
std::vector<std::uint8_t> MakeSamples(int width, int height, int components,
                                      const std::function<void(int x, int y, std::uint8_t* out)>& pixel);

// Written by libjpeg's compressor at quality 100 without colour subsampling, so flat
// areas come back within a few steps.
void WriteJpeg(const std::string& path, int width, int height, JpegKind kind,
               const std::vector<std::uint8_t>& samples);

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

// The shipped pictures, as the build copies them.
std::filesystem::path ShippedPictures();

} // namespace picturetest
