// Fuzz target for the DIB reader's work on a file in memory (loadDibImage maps its file and
// hands the bytes to the same function).
#include "images/dib_image.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DibImage* image = nullptr;
    if (decodeDibImage({data, size}, &image) == DibError::None) {
        // Touch every byte the upload would read.
        unsigned sum = 0;
        for (long i = 0; i < static_cast<long>(image->width) * image->height * 3; ++i)
            sum += image->pixels[i];
        (void)sum;
        freeDibImage(image);
    }
    return 0;
}
