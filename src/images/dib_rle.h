// Decoding of run-length encoded DIB data (the BMP format's RLE8 and RLE4) into RGB rows.
//
// The data is a sequence of two-byte codes: (n > 0, value) is a run of n pixels (RLE4: the
// value's two nibbles alternate, high first); (0, 0) ends a row; (0, 1) ends the picture;
// (0, 2, dx, dy) moves the pen right and up; (0, n >= 3) is followed by n literal pixels
// padded to a 16-bit boundary. Rows are counted in file order. Pixels a code never reaches
// stay black; pixels beyond the row's end or past the last row are dropped, as is a code cut
// off by the end of the data.
#pragma once

#include "images/dib_format.h"

// Decodes format.compression (DIB_RLE8 or DIB_RLE4) data into the zeroed target. Returns
// format.rows once at least one code was decoded, else 0 (nothing to convert).
int decodeDibRunLengths(const DibFormat& format, std::span<const unsigned char> bits,
                        const DibTarget& target);
