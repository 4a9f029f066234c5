// Fuzz target for the 24-bit BMP reader: the bytes are read through a memory stream exactly
// as RgbImage::load reads its file.
#include "images/rgb_image.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0; // fmemopen takes no empty buffer; the empty file is a unit test
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file)
        return 0;
    RgbImage image;
    if (image.read(file)) {
        // Touch every pixel the upload would read.
        unsigned sum = 0;
        const RgbPixel* pixels = image.data();
        for (long i = 0; i < static_cast<long>(image.width()) * image.height(); ++i)
            sum += pixels[i].red;
        (void)sum;
    }
    std::fclose(file);
    return 0;
}
