// Fuzz target for the JPEG reader: the bytes are decoded through a memory stream by the same
// data source and error exit loadJpegImage uses.
#include "images/jpeg_reader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ImageStream stream("fuzz input");
    if (!stream.openMemory(data, size))
        return 0;
    const PictureReading reading = decodeJpegImage(stream);
    // A picture or a failure text, never both, never neither.
    if (reading.picture.has_value() == !reading.failure.empty())
        __builtin_trap();
    if (const auto& picture = reading.picture) {
        // Every byte the title upload reads must be there: 1 (grey) or 3 bytes a pixel.
        const std::size_t pixels = static_cast<std::size_t>(picture->width) * picture->height;
        if ((picture->bytesPerPixel != 1 && picture->bytesPerPixel != 3) ||
            picture->pixels.size() != pixels * picture->bytesPerPixel)
            __builtin_trap();
        unsigned sum = 0;
        for (const unsigned char byte : picture->pixels)
            sum += byte;
        (void)sum;
    }
    return 0;
}
