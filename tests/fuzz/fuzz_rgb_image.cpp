// Fuzz target for the 24-bit BMP reader: the bytes are read through a memory stream exactly
// as loadBmp24Image reads its file.
#include "images/bmp24_reader.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0; // fmemopen takes no empty buffer; the empty file is a unit test
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file)
        return 0;
    const std::optional<Picture> picture = readBmp24Image(file);
    std::fclose(file);
    if (picture) {
        // Every byte the upload reads must be there: 3 bytes a pixel, tightly packed.
        if (picture->bytesPerPixel != 3 || picture->width < 1 || picture->height < 1 ||
            picture->pixels.size() !=
                static_cast<std::size_t>(picture->width) * picture->height * 3)
            __builtin_trap();
        unsigned sum = 0;
        for (const unsigned char byte : picture->pixels)
            sum += byte;
        (void)sum;
    }
    return 0;
}
