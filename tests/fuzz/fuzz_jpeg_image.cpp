// Fuzz target for the JPEG reader: the bytes are decoded through a memory stream by the same
// data source and error exit JpegImage::load uses.
#include "images/jpeg_image.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ImageStream stream("fuzz input");
    if (!stream.openMemory(data, size))
        return 0;
    JpegImage image;
    if (image.read(stream)) {
        // Touch every byte the title upload would read.
        const long bytes = static_cast<long>(image.width) * image.height * (image.palette ? 1 : 3);
        unsigned sum = 0;
        for (long i = 0; i < bytes; ++i)
            sum += image.pixels[i];
        (void)sum;
    }
    return 0;
}
