// Screenshots as PNG files. The frame arrives as glReadPixels gives it: RGBA bytes, bottom
// row first. The file is 8-bit RGB, top row first; alpha is dropped because the game's
// clear colour has alpha 0 and a screenshot must not come out transparent.
#include "platform/overlay.h"

#include <png.h>

#include <cassert>
#include <cstddef>
#include <vector>

namespace platform {

bool WritePng(const char* path, int width, int height, const unsigned char* rgbaBottomUp) {
    assert(width > 0 && height > 0 && rgbaBottomUp);
    const size_t pixels = static_cast<size_t>(width) * height;
    std::vector<unsigned char> rgb(pixels * 3);
    for (size_t i = 0; i < pixels; ++i)
        for (size_t c = 0; c < 3; ++c)
            rgb[i * 3 + c] = rgbaBottomUp[i * 4 + c];

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    // A negative row stride tells libpng the buffer holds the bottom row first.
    const png_int_32 stride = -static_cast<png_int_32>(width * 3);
    const int written = png_image_write_to_file(&image, path, 0, rgb.data(), stride, nullptr);
    png_image_free(&image);
    return written != 0;
}

} // namespace platform
