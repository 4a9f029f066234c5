// The DIB reader used by the Hero's two textures: any device-independent bitmap whose
// header it knows (12-byte core or 40-byte information header, with or without the 14-byte
// "BM" file header), converted to 24-bit RGB.
//
// A DibImage's rows keep the bottom-up order of a BMP: the first row of `pixels` is the
// BOTTOM row of the picture, each row 3 x width bytes (red, green, blue), no padding. A
// top-down file (negative height) is turned over into that order, so height is always
// positive. The record and its pixel block come from the C allocator and belong to the
// caller, who gives them back with freeDibImage.
#pragma once

#include <cstdint>
#include <span>

struct DibImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    unsigned char* pixels = nullptr;
};

// Reads and converts a DIB file. On failure shows one message captioned "Error" and
// returns null: "Failed to open DIB file NAME.\n" (missing, unreadable or empty file),
// "Unknown DIB file format." (unknown header, header cut short, or a picture that is empty
// or larger than MAX_PICTURE_SIDE on a side), "Out of memory." or "Image file conversion
// error." (unsupported depth or compression, no pixel data).
DibImage* loadDibImage(const char* fileName);

void freeDibImage(DibImage* image);

// Number of colour-table entries the header implies: colours used when the information
// header gives it, else 2, 16 or 256 for 1, 4 or 8 bits and 0 for other depths. `header`
// begins at the header's size field; a header too short for the fields it needs gives 0.
std::uint16_t dibColorCount(std::span<const unsigned char> header);

// Why decodeDibImage failed.
enum class DibError { None, UnknownFormat, OutOfMemory, ConversionError };

// The reader's work on a file already in memory (loadDibImage maps the file and shows the
// message; the fuzz target calls this directly). On success *image receives the new record.
DibError decodeDibImage(std::span<const unsigned char> file, DibImage** image);
