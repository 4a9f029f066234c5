// The DIB reader used by the Hero's two textures: any device-independent bitmap whose
// header it knows (12-byte core or 40-byte information header, with or without the 14-byte
// "BM" file header), converted to 24-bit RGB.
//
// The picture's rows keep the bottom-up order of a BMP (RowOrder::BottomFirst): the first
// stored row is the BOTTOM row of the picture, 3 bytes a pixel (red, green, blue). A
// top-down file (negative height) is turned over into that order, so height is always
// positive.
#pragma once

#include "images/picture.h"

#include <cstdint>
#include <optional>
#include <span>

// Reads and converts a DIB file. On failure shows one message captioned "Error" and gives
// no picture: "Failed to open DIB file NAME.\n" (missing, unreadable or empty file), or the
// failure text of decodeDibImage.
std::optional<Picture> loadDibImage(const char* fileName);

// The reader's work on a file already in memory (loadDibImage maps the file and shows the
// message; the fuzz target calls this directly). The failure is the player's message:
// "Unknown DIB file format." (unknown header, header cut short, or a picture that is empty
// or larger than MAX_PICTURE_SIDE on a side), "Out of memory." or "Image file conversion
// error." (unsupported depth or compression, no pixel data).
PictureReading decodeDibImage(std::span<const unsigned char> file);

// Number of colour-table entries the header implies: colours used when the information
// header gives it, else 2, 16 or 256 for 1, 4 or 8 bits and 0 for other depths. `header`
// begins at the header's size field; a header too short for the fields it needs gives 0.
std::uint16_t dibColorCount(std::span<const unsigned char> header);
