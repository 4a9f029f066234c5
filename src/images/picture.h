// The one picture type every image reader returns, and the answer of the readers that say
// why they failed.
//
// A Picture owns its pixels: width x height pixels of bytesPerPixel bytes (3 for red,
// green, blue; 1 for a grey level), rows tightly packed (no padding, so the uploads set the
// unpack alignment to 1). rowOrder states which row of the picture comes first in memory;
// the uploads hand the rows to GL in that order, so a texture's t = 0 edge is the first
// stored row. Readers never return an empty picture.
#pragma once

#include <cassert>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class RowOrder {
    TopFirst,    // the 24-bit BMP reader and the JPEG reader
    BottomFirst, // the DIB reader: rows keep a BMP file's order
};

struct Picture {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 3;
    RowOrder rowOrder = RowOrder::TopFirst;
    std::vector<unsigned char> pixels;

    // A black picture of the given shape.
    static Picture black(int width, int height, int bytesPerPixel, RowOrder rowOrder) {
        assert(width > 0 && height > 0 && (bytesPerPixel == 1 || bytesPerPixel == 3));
        const std::size_t bytes = static_cast<std::size_t>(width) * height * bytesPerPixel;
        return Picture{width, height, bytesPerPixel, rowOrder, std::vector<unsigned char>(bytes)};
    }

    std::size_t rowBytes() const { return static_cast<std::size_t>(width) * bytesPerPixel; }
    // The first byte of pixel x of the row stored `storedRow`-th (0 is the first in memory).
    unsigned char* pixel(int x, int storedRow) { return pixels.data() + offset(x, storedRow); }
    const unsigned char* pixel(int x, int storedRow) const {
        return pixels.data() + offset(x, storedRow);
    }

private:
    std::size_t offset(int x, int storedRow) const {
        assert(x >= 0 && x < width && storedRow >= 0 && storedRow < height);
        return storedRow * rowBytes() + static_cast<std::size_t>(x) * bytesPerPixel;
    }
};

// A reader's answer when the reason for a failure matters: the picture, or the text that
// says why there is none (empty exactly when there is a picture).
struct PictureReading {
    std::optional<Picture> picture;
    std::string failure;
};
