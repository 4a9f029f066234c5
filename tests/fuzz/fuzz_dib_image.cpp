// Fuzz target for the DIB reader's work on a file in memory (loadDibImage maps its file and
// hands the bytes to the same function).
#include "images/dib_reader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PictureReading reading = decodeDibImage({data, size});
    // A picture or a message for the player, never both, never neither.
    if (reading.picture.has_value() == !reading.failure.empty())
        __builtin_trap();
    if (const auto& picture = reading.picture) {
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
