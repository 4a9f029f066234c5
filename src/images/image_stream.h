// An input stream on a named file, read by the JPEG data source. Holds the name (at most
// 255 characters; a longer name is refused rather than cut to a different file's name)
// and one C standard-library stream, which it closes when destroyed. Not copyable.
#pragma once

#include <cstddef>
#include <cstdio>

class ImageStream {
public:
    explicit ImageStream(const char* fileName);
    ~ImageStream();
    ImageStream(const ImageStream&) = delete;
    ImageStream& operator=(const ImageStream&) = delete;

    // Opens the named file with mode "rb"; false when it cannot be opened.
    bool open();
    // Opens a stream on bytes in memory instead of the file (the fuzz target's way in); the
    // bytes must outlive the stream.
    bool openMemory(const void* data, std::size_t size);
    // Reads up to count bytes; returns how many arrived (0 at the end, or for count 0).
    std::size_t read(void* buffer, std::size_t count);
    void close();

private:
    static constexpr std::size_t MAX_NAME_LENGTH = 255;
    char name[MAX_NAME_LENGTH + 1] = {};
    bool nameFits = false;
    std::FILE* file = nullptr;
};
