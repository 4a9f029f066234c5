// libjpeg data-source manager that reads an ImageStream 4096 bytes at a time. The manager
// and its buffer come from the decompressor's permanent pool the first time it gets a
// source, so they live as long as the decompressor and are freed by it.
//
// An empty stream is libjpeg's fatal "Empty input file"; a stream that ends later gets
// libjpeg's warning "Premature end of JPEG file" and an end-of-image marker, so a picture
// cut short still decodes as far as its data goes.
#pragma once

#include "images/image_stream.h"

#include <cstdio> // jpeglib.h needs size_t and FILE declared first

#include <jpeglib.h>

struct StreamSource {
    jpeg_source_mgr pub; // first, so libjpeg's pointer to it is a pointer to the whole
    ImageStream* stream;
    JOCTET* buffer;
    bool startOfFile;
};

// Makes `stream` the decompressor's input (installing the manager on first use).
void jpegStreamSource(j_decompress_ptr decompressor, ImageStream* stream);
