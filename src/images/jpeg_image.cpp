// The JPEG reader; see jpeg_image.h. decode() keeps only C records as locals: a fatal libjpeg
// error longjmps back into it, which must not skip any C++ destructor.
#include "images/jpeg_image.h"

#include "images/image_limits.h"
#include "images/jpeg_errors.h"
#include "images/jpeg_rows.h"
#include "images/jpeg_source.h"

#include <cassert>
#include <cstdlib>
#include <cstring>

#include <jerror.h>

char jpegLastError[JPEG_ERROR_TEXT_SIZE];
static_assert(JPEG_ERROR_TEXT_SIZE >= JMSG_LENGTH_MAX, "must hold any libjpeg message");

namespace {

constexpr int PALETTE_ENTRIES = 256;

unsigned char* makeGreyPalette() {
    auto* palette = static_cast<unsigned char*>(std::malloc(PALETTE_ENTRIES * 4));
    for (int i = 0; palette && i < PALETTE_ENTRIES; ++i) {
        palette[4 * i] = palette[4 * i + 1] = palette[4 * i + 2] = static_cast<unsigned char>(i);
        palette[4 * i + 3] = 0;
    }
    return palette;
}

void refuseOversizedPicture(j_decompress_ptr decompressor) {
    if (decompressor->image_width > MAX_PICTURE_SIDE ||
        decompressor->image_height > MAX_PICTURE_SIDE)
        ERREXIT1(decompressor, JERR_IMAGE_TOO_BIG, MAX_PICTURE_SIDE);
}

} // namespace

bool JpegImage::load(const char* fileName) {
    ImageStream stream(fileName);
    if (!stream.open())
        return false;
    return read(stream);
}

bool JpegImage::read(ImageStream& stream) {
    release();
    loaded = true;
    return decode(stream);
}

void JpegImage::release() {
    if (loaded) {
        std::free(pixels);
        std::free(palette);
    }
    pixels = nullptr;
    palette = nullptr;
    loaded = false;
}

bool JpegImage::decode(ImageStream& stream) {
    pixels = palette = nullptr;
    width = height = 0;
    jpegLastError[0] = '\0';

    jpeg_decompress_struct decompressor{};
    JpegErrorManager errors;
    decompressor.err = jpegErrorManager(errors, jpegLastError, &stream);
    if (setjmp(errors.jumpTarget)) {
        jpeg_destroy_decompress(&decompressor);
        return false;
    }
    jpeg_create_decompress(&decompressor);
    jpegStreamSource(&decompressor, &stream);
    jpeg_read_header(&decompressor, TRUE);
    refuseOversizedPicture(&decompressor);
    jpeg_start_decompress(&decompressor);
    width = static_cast<std::int32_t>(decompressor.image_width);
    height = static_cast<std::int32_t>(decompressor.image_height);

    const int components = decompressor.output_components;
    JSAMPARRAY row =
        decompressor.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&decompressor), JPOOL_IMAGE,
                                       decompressor.output_width * components, 1);
    const bool grey = decompressor.out_color_space == JCS_GRAYSCALE;
    if (grey)
        palette = makeGreyPalette();
    const std::size_t blockSize =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * (grey ? 1 : 3);
    pixels = static_cast<unsigned char*>(std::malloc(blockSize));
    if (!pixels)
        std::strcpy(jpegLastError, "The file could not be saved because of insufficient memory.");
    if (!pixels || (grey && !palette)) {
        jpeg_destroy_decompress(&decompressor);
        return false;
    }

    // output_width equals width (no scaling), so `height` rows fill the block exactly.
    [[maybe_unused]] const std::size_t rowBytes = blockSize / static_cast<std::size_t>(height);
    std::size_t written = 0;
    while (decompressor.output_scanline < decompressor.output_height) {
        if (jpeg_read_scanlines(&decompressor, row, 1) != 1)
            break;
        assert(written + rowBytes <= blockSize);
        const std::size_t bytes =
            appendJpegRow(decompressor.out_color_space, row[0], decompressor.output_width,
                          components, pixels + written);
        if (bytes == 0)
            break;
        written += bytes;
    }
    jpeg_finish_decompress(&decompressor);
    jpeg_destroy_decompress(&decompressor);
    return jpegLastError[0] == '\0';
}
