#include "JpegWriter.h"

#include "AtomicFile.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>

namespace {

// Everything libjpeg touches lives here, created before setjmp and never
// reassigned after it, so a fatal error can jump back and still clean up.
struct Session
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool created = false;

    ~Session()
    {
        if (created) {
            jpeg_destroy_compress(&info);
        }
        std::free(buffer);
    }
};

void ExitWithJump(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    std::fprintf(stderr, "tippwerk-picturegen: JPEG: %s\n", message);
    std::longjmp(static_cast<Session*>(info->client_data)->jump, 1);
}

} // namespace

std::string JpegWriter::Encode(const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const auto session = std::make_unique<Session>();
    jpeg_compress_struct& info = session->info;
    info.err = jpeg_std_error(&session->errors);
    session->errors.error_exit = ExitWithJump;
    info.client_data = session.get();
    if (setjmp(session->jump) != 0) {
        return {};
    }
    jpeg_create_compress(&info);
    session->created = true;
    jpeg_mem_dest(&info, &session->buffer, &session->size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return std::string(reinterpret_cast<const char*>(session->buffer), session->size);
}

bool JpegWriter::Write(const QImage& image, const std::string& path, int quality)
{
    const std::string bytes = Encode(image, quality);
    return !bytes.empty() && AtomicFile::Write(path, bytes);
}
