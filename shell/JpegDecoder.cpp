#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit; jump back instead of exiting.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onFatalError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onWarning(j_common_ptr, int) {}

// Everything that must survive the longjmp lives outside decode()'s frame.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;
};

bool decode(Decoder& d, const unsigned char* data, std::size_t size)
{
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = onFatalError;
    d.errors.base.emit_message = onWarning;
    if (setjmp(d.errors.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);

    d.image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                     QImage::Format_RGB888);
    if (d.image.isNull()) {
        jpeg_destroy_decompress(&d.info);
        std::snprintf(d.errors.message, sizeof d.errors.message, "picture too large");
        return false;
    }
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

}  // namespace

JpegDecodeResult DecodeJpegBytes(const unsigned char* data, std::size_t size)
{
    if (size == 0)
        return {QImage(), "empty JPEG data"};
    Decoder d;
    if (!decode(d, data, size))
        return {QImage(), std::string("JPEG error: ") + d.errors.message};
    return {d.image, ""};
}

JpegDecodeResult DecodeJpegFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {QImage(), "cannot open " + path};
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    JpegDecodeResult result = DecodeJpegBytes(bytes.data(), bytes.size());
    if (!result.error.empty())
        result.error = path + ": " + result.error;
    return result;
}
