// The JPEG reader; see jpeg_reader.h. A fatal libjpeg error longjmps back into decode(),
// which therefore keeps only C records as locals: the jump must not skip any C++
// destructor. The picture being filled lives in the caller's frame, which the jump never
// leaves, so it is released normally whatever happens.
#include "images/jpeg_reader.h"

#include "images/image_limits.h"
#include "images/jpeg_errors.h"
#include "images/jpeg_rows.h"
#include "images/jpeg_source.h"

#include <cstring>
#include <new>
#include <string>

#include <jerror.h>

namespace {

constexpr char OUT_OF_MEMORY_TEXT[] = "The file could not be saved because of insufficient memory.";
static_assert(sizeof OUT_OF_MEMORY_TEXT <= JMSG_LENGTH_MAX, "must fit the error record's text");

void refuseOversizedPicture(j_decompress_ptr decompressor) {
    if (decompressor->image_width > MAX_PICTURE_SIDE ||
        decompressor->image_height > MAX_PICTURE_SIDE)
        ERREXIT1(decompressor, JERR_IMAGE_TOO_BIG, MAX_PICTURE_SIDE);
}

// Makes the black picture the rows are read into; false when its memory cannot be had.
bool makePicture(j_decompress_ptr decompressor, Picture& picture) {
    const int bytesPerPixel = decompressor->out_color_space == JCS_GRAYSCALE ? 1 : 3;
    try {
        picture = Picture::black(static_cast<int>(decompressor->image_width),
                                 static_cast<int>(decompressor->image_height), bytesPerPixel,
                                 RowOrder::TopFirst);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Reads the rows top first; stops at a colour space the game does not take, which leaves
// libjpeg short of rows and makes jpeg_finish_decompress fail.
void readRows(j_decompress_ptr decompressor, Picture& picture) {
    JSAMPARRAY row = decompressor->mem->alloc_sarray(
        reinterpret_cast<j_common_ptr>(decompressor), JPOOL_IMAGE,
        decompressor->output_width * decompressor->output_components, 1);
    // output_height equals the picture's height (no scaling), so y stays inside it.
    for (int y = 0; decompressor->output_scanline < decompressor->output_height; ++y) {
        if (jpeg_read_scanlines(decompressor, row, 1) != 1)
            return;
        if (appendJpegRow(decompressor->out_color_space, row[0], decompressor->output_width,
                          decompressor->output_components, picture.pixel(0, y)) == 0)
            return;
    }
}

// Decodes the stream into `picture`; false after a failure, whose text is then in
// errors.message.
bool decode(ImageStream& stream, Picture& picture, JpegErrorManager& errors) {
    jpeg_decompress_struct decompressor{};
    decompressor.err = jpegErrorManager(errors);
    if (setjmp(errors.jumpTarget)) {
        jpeg_destroy_decompress(&decompressor);
        return false;
    }
    jpeg_create_decompress(&decompressor);
    jpegStreamSource(&decompressor, &stream);
    jpeg_read_header(&decompressor, TRUE);
    refuseOversizedPicture(&decompressor);
    jpeg_start_decompress(&decompressor);
    if (!makePicture(&decompressor, picture)) {
        std::strcpy(errors.message, OUT_OF_MEMORY_TEXT);
        jpeg_destroy_decompress(&decompressor);
        return false;
    }
    readRows(&decompressor, picture);
    jpeg_finish_decompress(&decompressor);
    jpeg_destroy_decompress(&decompressor);
    return true;
}

} // namespace

PictureReading loadJpegImage(const char* fileName) {
    ImageStream stream(fileName);
    if (!stream.open())
        return {std::nullopt, std::string("Cannot open ") + fileName};
    return decodeJpegImage(stream);
}

PictureReading decodeJpegImage(ImageStream& stream) {
    Picture picture;
    JpegErrorManager errors;
    if (!decode(stream, picture, errors))
        return {std::nullopt, errors.message};
    return {std::move(picture), {}};
}
