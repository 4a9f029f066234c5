// Conversion of a DIB's pixel data to 24-bit RGB rows, done by the game itself so that
// every depth and compression a BMP file may use reads the same on any machine. Handles 1,
// 4 and 8 bits with a colour table, 16 bits (5-5-5), 24 and 32 bits uncompressed, and the
// run-length encodings of 4 and 8 bits. Never reads outside `bits` nor writes outside the target.
#pragma once

#include "images/dib_format.h"

// True when the format is one convertDibPixels handles.
bool dibFormatSupported(const DibFormat& format);

// Converts `bits` (the pixel data as stored in the file, rows in file order) into `target`,
// which must be format.width x format.rows and zeroed. Returns the number of rows converted:
// uncompressed data converts only whole rows, so a file cut short converts fewer; run-length
// data counts every row once any code has been decoded (skipped pixels stay black).
int convertDibPixels(const DibFormat& format, std::span<const unsigned char> bits,
                     const DibTarget& target);
