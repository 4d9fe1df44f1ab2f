#include "pictures/LoadJpegPicture.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <sys/stat.h>
#include <utility>

#include <jpeglib.h>

namespace {

// Where the library's callbacks leave their message and jump back to.
struct ErrorTrap
{
    jpeg_error_mgr manager{};
    jpeg_progress_mgr progress{};
    std::jmp_buf returnPoint{};
    char message[JMSG_LENGTH_MAX]{};
};

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct DecompressorDeleter
{
    void operator()(jpeg_decompress_struct* info) const
    {
        // Harmless before creation: a zeroed structure has no memory manager yet.
        jpeg_destroy_decompress(info);
        delete info;
    }
};

enum class Outcome
{
    Done,
    FatalError,
    OutOfMemory,
};

ErrorTrap& TrapOf(j_common_ptr info)
{
    return *static_cast<ErrorTrap*>(info->client_data);
}

[[noreturn]] void LeaveOnFatalError(j_common_ptr info)
{
    ErrorTrap& trap = TrapOf(info);
    (*info->err->format_message)(info, trap.message);
    std::longjmp(trap.returnPoint, 1);
}

// Warnings let the library go on with made-up data: after the end of the file, or of the
// data a header's size claims, the missing part would come out grey; a damaged stretch
// would be skipped. Our own pictures have none, so every warning is taken as fatal.
void NoteMessage(j_common_ptr info, int level)
{
    if (level < 0) {
        LeaveOnFatalError(info);
    }
}

void WatchScans(j_common_ptr info)
{
    if (!info->is_decompressor) {
        return;
    }
    const auto* decompressor = reinterpret_cast<j_decompress_ptr>(info);
    if (decompressor->input_scan_number > kMaxJpegScans) {
        ErrorTrap& trap = TrapOf(info);
        std::snprintf(trap.message, sizeof trap.message, "JPEG file has more than %d scans", kMaxJpegScans);
        std::longjmp(trap.returnPoint, 1);
    }
}

std::uint8_t Product(unsigned a, unsigned b)
{
    return static_cast<std::uint8_t>((a * b + 127) / 255);
}

// Adobe applications store CMYK inverted (255 = no ink); files without their marker
// store the amounts of ink as they are.
void CopyInkRow(const JSAMPLE* in, int width, bool inverted, std::uint8_t* out)
{
    for (int x = 0; x < width; ++x, in += 4, out += 3) {
        const unsigned c = inverted ? in[0] : 255u - in[0];
        const unsigned m = inverted ? in[1] : 255u - in[1];
        const unsigned y = inverted ? in[2] : 255u - in[2];
        const unsigned k = inverted ? in[3] : 255u - in[3];
        out[0] = Product(c, k);
        out[1] = Product(m, k);
        out[2] = Product(y, k);
    }
}

void CopyRow(const JSAMPLE* in, int width, int components, bool inverted, std::uint8_t* out)
{
    if (components == 3) {
        for (int i = 0; i < width * 3; ++i) {
            out[i] = in[i];
        }
    } else if (components == 1) {
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = out[1] = out[2] = in[x];
        }
    } else {
        CopyInkRow(in, width, inverted, out);
    }
}

// Huffman coding spends at least one bit on every 8 x 8 block of every component. A
// file too short for that would only be filled up with made-up data, row after row, and
// a few hundred bytes could keep the decoder busy for a long time.
// `bytes` is the size of the whole input, negative when unknown.
bool HoldsEnoughData(const jpeg_decompress_struct& info, std::int64_t bytes)
{
    if (info.arith_code || bytes < 0) {
        return true;
    }
    std::int64_t blocks = 0;
    for (int i = 0; i < info.num_components; ++i) {
        blocks +=
            static_cast<std::int64_t>(info.comp_info[i].width_in_blocks) * info.comp_info[i].height_in_blocks;
    }
    return bytes * 8 >= blocks;
}

std::int64_t FileSize(std::FILE* file)
{
    struct stat status
    {};
    return fstat(fileno(file), &status) == 0 ? static_cast<std::int64_t>(status.st_size) : -1;
}

// Where the compressed data comes from: an open file or bytes in memory.
struct Source
{
    std::FILE* file = nullptr;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// All library calls happen here, below the return point of a fatal error. Nothing in
// this frame needs destruction, so leaving it by the jump is safe.
Outcome Decode(ErrorTrap& trap, jpeg_decompress_struct& info, const Source& source, Picture& decoded)
{
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = LeaveOnFatalError;
    trap.manager.emit_message = NoteMessage;
    info.client_data = &trap;
    if (setjmp(trap.returnPoint) != 0) {
        return Outcome::FatalError;
    }
    jpeg_create_decompress(&info);
    trap.progress.progress_monitor = WatchScans;
    info.progress = &trap.progress;
    if (source.file != nullptr) {
        jpeg_stdio_src(&info, source.file);
    } else {
        jpeg_mem_src(&info, source.data, static_cast<unsigned long>(source.size));
    }
    jpeg_read_header(&info, TRUE);
    if (static_cast<std::int64_t>(info.image_width) * info.image_height > MaxPicturePixels) {
        return Outcome::OutOfMemory;
    }
    if (!HoldsEnoughData(info, source.file != nullptr ? FileSize(source.file)
                                                      : static_cast<std::int64_t>(source.size))) {
        std::snprintf(trap.message, sizeof trap.message,
                      "Corrupt JPEG data: too little data for %u x %u pixels", info.image_width,
                      info.image_height);
        return Outcome::FatalError;
    }
    // The library cannot turn inks into RGB itself; it delivers CMYK for us to convert.
    const bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (inks) {
        info.out_color_space = JCS_CMYK;
    }
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int components = info.output_components;
    if (components != 1 && components != 3 && !(inks && components == 4)) {
        std::snprintf(trap.message, sizeof trap.message, "Unsupported JPEG color space (%d components)",
                      components);
        return Outcome::FatalError;
    }
    if (!decoded.Allocate(width, static_cast<int>(info.output_height))) {
        return Outcome::OutOfMemory;
    }
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * components, 1);
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        if (jpeg_read_scanlines(&info, row, 1) != 1) {
            std::snprintf(trap.message, sizeof trap.message, "JPEG data ended before the last row");
            return Outcome::FatalError;
        }
        CopyRow(row[0], width, components, inverted, decoded.PixelAt(0, info.output_scanline - 1));
    }
    jpeg_finish_decompress(&info);
    return Outcome::Done;
}

bool DecodeFrom(const Source& source, Picture& picture, PictureLoadFailure& result)
{
    Outcome outcome = Outcome::OutOfMemory;
    std::string message;
    Picture decoded;
    try {
        // The decompressor goes first, then its error manager.
        const auto trap = std::make_unique<ErrorTrap>();
        const std::unique_ptr<jpeg_decompress_struct, DecompressorDeleter> info(new jpeg_decompress_struct{});
        outcome = Decode(*trap, *info, source, decoded);
        if (outcome == Outcome::FatalError) {
            message = trap->message;
        }
    } catch (const std::bad_alloc&) {
        outcome = Outcome::OutOfMemory;
    }
    switch (outcome) {
    case Outcome::Done:
        picture = std::move(decoded);
        return true;
    case Outcome::FatalError:
        result = PictureLoadFailure::MakeFatalError(std::move(message));
        return false;
    case Outcome::OutOfMemory:
        break;
    }
    result = PictureLoadFailure::MakeOutOfMemory();
    return false;
}

} // namespace

bool LoadJpegPicture(const std::string& path, Picture& picture, PictureLoadFailure* failure)
{
    PictureLoadFailure ignored;
    PictureLoadFailure& result = failure != nullptr ? *failure : ignored;
    result = {};
    picture.Clear();

    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        result = PictureLoadFailure::MakeCannotOpen(path);
        return false;
    }
    // The file is closed after the decompressor is gone.
    return DecodeFrom(Source{file.get(), nullptr, 0}, picture, result);
}

bool DecodeJpegPicture(const std::uint8_t* data, std::size_t size, Picture& picture,
                       PictureLoadFailure* failure)
{
    PictureLoadFailure ignored;
    PictureLoadFailure& result = failure != nullptr ? *failure : ignored;
    result = {};
    picture.Clear();
    // No bytes fail as an empty file does, with the library's message.
    return DecodeFrom(Source{nullptr, data, size}, picture, result);
}
