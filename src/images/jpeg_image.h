// The JPEG reader behind the title picture, on libjpeg's decompressor with our own data
// source (jpeg_source.h) and error exit (jpeg_errors.h).
//
// A decoded colour picture is width x height pixels of 3 bytes (red, green, blue), rows
// tightly packed, TOP row first; a grey picture is 1 byte a pixel with `palette` holding 256
// entries of 4 bytes, entry i = (i, i, i, 0). CMYK pictures are turned into RGB. Pictures
// over MAX_PICTURE_SIDE on a side are refused. The image owns pixels and palette (C
// allocator) while `loaded` is set and frees them in release() and when destroyed.
//
// jpegLastError holds the last decode's failure text (empty after a success): libjpeg's own
// message, or the text for a pixel block that could not be had. Decodes never overlap.
#pragma once

#include "images/image_stream.h"

#include <cstdint>

constexpr int JPEG_ERROR_TEXT_SIZE = 256; // libjpeg's messages are at most 200 bytes
extern char jpegLastError[JPEG_ERROR_TEXT_SIZE];

class JpegImage {
public:
    JpegImage() = default;
    ~JpegImage() { release(); }
    JpegImage(const JpegImage&) = delete;
    JpegImage& operator=(const JpegImage&) = delete;

    // Decodes the named file; true when a picture was decoded. A file that cannot be opened
    // leaves the image as it was.
    bool load(const char* fileName);
    // Decodes from a stream already open (the fuzz target's way in): releases the old
    // picture, then decodes.
    bool read(ImageStream& stream);
    void release();

    std::int32_t width = 0;
    std::int32_t height = 0;
    unsigned char* pixels = nullptr;
    unsigned char* palette = nullptr;
    bool loaded = false;

private:
    bool decode(ImageStream& stream);
};
