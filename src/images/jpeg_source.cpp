// The stream data source; see jpeg_source.h. The five operations are libjpeg's callbacks.
#include "images/jpeg_source.h"

#include <jerror.h>

namespace {

constexpr std::size_t INPUT_BUFFER_SIZE = 4096;

StreamSource* sourceOf(j_decompress_ptr decompressor) {
    return reinterpret_cast<StreamSource*>(decompressor->src);
}

void initSource(j_decompress_ptr decompressor) {
    sourceOf(decompressor)->startOfFile = true;
}

boolean fillInputBuffer(j_decompress_ptr decompressor) {
    StreamSource* source = sourceOf(decompressor);
    std::size_t count = source->stream->read(source->buffer, INPUT_BUFFER_SIZE);
    if (count == 0) {
        if (source->startOfFile)
            ERREXIT(decompressor, JERR_INPUT_EMPTY);
        WARNMS(decompressor, JWRN_JPEG_EOF);
        source->buffer[0] = 0xFF;
        source->buffer[1] = JPEG_EOI;
        count = 2;
    }
    source->pub.next_input_byte = source->buffer;
    source->pub.bytes_in_buffer = count;
    source->startOfFile = false;
    return TRUE;
}

void skipInputData(j_decompress_ptr decompressor, long count) {
    if (count <= 0)
        return;
    jpeg_source_mgr* pub = decompressor->src;
    while (count > static_cast<long>(pub->bytes_in_buffer)) {
        count -= static_cast<long>(pub->bytes_in_buffer);
        fillInputBuffer(decompressor);
    }
    pub->next_input_byte += count;
    pub->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

} // namespace

void jpegStreamSource(j_decompress_ptr decompressor, ImageStream* stream) {
    if (!decompressor->src) {
        auto* pool = decompressor->mem;
        auto* source = static_cast<StreamSource*>(pool->alloc_small(
            reinterpret_cast<j_common_ptr>(decompressor), JPOOL_PERMANENT, sizeof(StreamSource)));
        source->buffer = static_cast<JOCTET*>(
            pool->alloc_small(reinterpret_cast<j_common_ptr>(decompressor), JPOOL_PERMANENT,
                              INPUT_BUFFER_SIZE * sizeof(JOCTET)));
        decompressor->src = &source->pub;
    }
    StreamSource* source = sourceOf(decompressor);
    source->pub.init_source = initSource;
    source->pub.fill_input_buffer = fillInputBuffer;
    source->pub.skip_input_data = skipInputData;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = termSource;
    source->stream = stream;
    source->pub.bytes_in_buffer = 0;
    source->pub.next_input_byte = nullptr;
}
