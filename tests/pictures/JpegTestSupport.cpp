#include "JpegTestSupport.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <utility>

#include <jpeglib.h>

namespace picturetest {

TempFolder::TempFolder()
{
    static int serial = 0;
    m_path = std::filesystem::temp_directory_path() /
             ("tippwerk-pictures-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

int ComponentsOf(JpegKind kind)
{
    switch (kind) {
    case JpegKind::Grey:
        return 1;
    case JpegKind::CmykAdobe:
    case JpegKind::CmykPlain:
    case JpegKind::Ycck:
        return 4;
    default:
        return 3;
    }
}

std::vector<std::uint8_t> MakeSamples(int width, int height, int components,
                                      const std::function<void(int x, int y, std::uint8_t* out)>& pixel)
{
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(width) * height * components);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixel(x, y, samples.data() + (static_cast<std::size_t>(y) * width + x) * components);
        }
    }
    return samples;
}

void WriteJpeg(const std::string& path, int width, int height, JpegKind kind,
               const std::vector<std::uint8_t>& samples)
{
    const int components = ComponentsOf(kind);
    if (samples.size() != static_cast<std::size_t>(width) * height * components) {
        throw std::invalid_argument("sample count");
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    if (kind == JpegKind::Ycck) {
        jpeg_set_colorspace(&info, JCS_YCCK);
    }
    if (kind == JpegKind::CmykPlain) {
        info.write_Adobe_marker = FALSE;
    }
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    if (kind == JpegKind::Progressive) {
        jpeg_simple_progression(&info);
    }
    // The most scans a sound file can have in bulk: every coefficient by itself, its two
    // low bits sent in refinement scans of their own.
    std::vector<jpeg_scan_info> scans;
    if (kind == JpegKind::ManyScans) {
        scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 1});
        scans.push_back({3, {0, 1, 2, 0}, 0, 0, 1, 0});
        for (const auto& [high, low] : {std::pair{0, 2}, std::pair{2, 1}, std::pair{1, 0}}) {
            for (int c = 0; c < 3; ++c) {
                for (int k = 1; k < 64; ++k) {
                    scans.push_back({1, {c, 0, 0, 0}, k, k, high, low});
                }
            }
        }
        info.scan_info = scans.data();
        info.num_scans = static_cast<int>(scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::filesystem::path ShippedPictures()
{
    return std::filesystem::path(TIPPWERK_SOURCE_DIR) / "data" / "pictures";
}

} // namespace picturetest
