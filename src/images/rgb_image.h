// The 24-bit BMP reader used by the board and Enemy textures, and the picture it fills.
//
// Pixels are RgbPixel (red, green, blue), row 0 is the TOP row of the picture (the file
// stores the bottom row first; the reader turns the order round), pixel (x, y) is element
// x + y * width. Every access outside the picture goes to one spare pixel: a write there is
// lost, a read gives whatever was last written to it. The image owns its pixels.
//
// Only uncompressed 24-bit files with an information header (40 bytes or one of its longer
// successors) are read. Pictures wider or taller than MAX_PICTURE_SIDE, empty ones and
// zero/negative widths are refused; top-down files (negative height) are turned over so
// that row 0 is still the top. Rows missing from a short file stay black.
#pragma once

#include "images/rgb_pixel.h"

#include <cstdio>
#include <vector>

class RgbImage {
public:
    RgbImage() = default;
    virtual ~RgbImage() = default;

    // Reads a BMP file; true when its headers were accepted, also when its rows end early.
    // Shows no message: the callers do.
    bool load(const char* fileName);
    // The same from an open stream positioned at the file header (the fuzz target's way in).
    bool read(std::FILE* file);

    // Makes width x height black pixels, dropping the old ones; false (image unchanged) for a
    // negative side or one above MAX_PICTURE_SIDE.
    bool setSize(int newWidth, int newHeight);
    void clear();
    RgbPixel& pixelAt(int x, int y);

    int width() const { return pictureWidth; }
    int height() const { return pictureHeight; }
    // The upload's data: the first pixel, or the spare pixel for an empty picture.
    const RgbPixel* data() const;

private:
    bool readRows(std::FILE* file, bool bottomUp);

    int pictureWidth = 0;
    int pictureHeight = 0;
    std::vector<RgbPixel> pixels;
    RgbPixel spare;
};
