#pragma once
// Decodes a JPEG file with libjpeg into a Qt image (the front-panel picture and the
// About box logo). A damaged or missing file gives a null image and a message.
#include <QImage>
#include <string>

struct JpegDecodeResult {
    QImage image;       // null on failure
    std::string error;  // empty on success
};

JpegDecodeResult DecodeJpegFile(const std::string& path);
JpegDecodeResult DecodeJpegBytes(const unsigned char* data, std::size_t size);
