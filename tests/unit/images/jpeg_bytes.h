// A JPEG encoder for the image tests, on libjpeg's compressor: makes pictures of a known
// colour space and content in memory, at the best quality so decoded values stay close.
#pragma once

#include "bmp_bytes.h"

#include <cstdio>

#include <jpeglib.h>

// `pixels` holds width x height pixels of `components` bytes, top row first.
inline Bytes encodeJpeg(int width, int height, int components, J_COLOR_SPACE space,
                        const unsigned char* pixels) {
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = JDIMENSION(width);
    compressor.image_height = JDIMENSION(height);
    compressor.input_components = components;
    compressor.in_color_space = space;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, 100, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels) +
                       std::size_t(compressor.next_scanline) * width * components;
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// A colour picture whose top half is red (200, 30, 40) and bottom half blue (20, 40, 210).
inline Bytes twoBandJpeg(int width, int height) {
    const Bytes top{200, 30, 40}, bottom{20, 40, 210};
    Bytes pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Bytes& colour = y < height / 2 ? top : bottom;
            pixels.insert(pixels.end(), colour.begin(), colour.end());
        }
    return encodeJpeg(width, height, 3, JCS_RGB, pixels.data());
}
