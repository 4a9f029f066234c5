// The JPEG reader behind the title picture, on libjpeg's decompressor with our own data
// source (jpeg_source.h) and error exit (jpeg_errors.h).
//
// A colour picture comes back as 3 bytes a pixel (red, green, blue), a grey picture as 1
// byte a pixel (its grey level); CMYK pictures are turned into RGB. Rows are tightly packed,
// TOP row first. Pictures over MAX_PICTURE_SIDE on a side are refused.
//
// A failed read carries its own failure text: libjpeg's message, the text for a pixel block
// that could not be had, or the text for a file that cannot be opened. The game never shows
// it (the title fails silently); it is there for tests and for whoever debugs a picture.
#pragma once

#include "images/image_stream.h"
#include "images/picture.h"

// Decodes the named file.
PictureReading loadJpegImage(const char* fileName);
// Decodes from a stream already open (the fuzz target's way in).
PictureReading decodeJpegImage(ImageStream& stream);
