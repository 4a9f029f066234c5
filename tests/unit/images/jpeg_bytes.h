// A JPEG encoder for the image tests, on libjpeg's compressor: makes pictures of a known
// colour space and content in memory, at the best quality so decoded values stay close.
#pragma once

#include "bmp_bytes.h"

#include <cstdio>

#include <jpeglib.h>

// `pixels` holds width x height pixels of `components` bytes, top row first.
Bytes encodeJpeg(int width, int height, int components, J_COLOR_SPACE space,
                 const unsigned char* pixels);

// A colour picture whose top half is red (200, 30, 40) and bottom half blue (20, 40, 210).
Bytes twoBandJpeg(int width, int height);
