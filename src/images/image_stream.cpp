// The JPEG reader's file stream; see image_stream.h.
#include "images/image_stream.h"

#include <cstring>

ImageStream::ImageStream(const char* fileName) {
    const std::size_t length = std::strlen(fileName);
    nameFits = length <= MAX_NAME_LENGTH;
    if (nameFits)
        std::memcpy(name, fileName, length + 1);
}

ImageStream::~ImageStream() {
    close();
}

bool ImageStream::open() {
    close();
    file = nameFits ? std::fopen(name, "rb") : nullptr;
    return file != nullptr;
}

bool ImageStream::openMemory(const void* data, std::size_t size) {
    close();
    // fmemopen only reads through the pointer in mode "rb", so dropping const is safe.
    file = size > 0 ? fmemopen(const_cast<void*>(data), size, "rb") : nullptr;
    return file != nullptr;
}

std::size_t ImageStream::read(void* buffer, std::size_t count) {
    if (!file || count == 0)
        return 0;
    return std::fread(buffer, 1, count, file);
}

void ImageStream::close() {
    if (file) {
        std::fflush(file);
        std::fclose(file);
    }
    file = nullptr;
}
