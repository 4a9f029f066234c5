// A C standard-library stream that closes itself: the 24-bit BMP reader opens its file in
// one and every return path lets the destructor close it. Holds one stream or none; not
// copyable.
#pragma once

#include <cstdio>

class ScopedFile {
public:
    ScopedFile() = default;
    ~ScopedFile();
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;

    // Opens the named file with a C library mode ("rb"); false when it cannot be opened.
    bool open(const char* fileName, const char* mode);
    void close();
    std::FILE* get() const { return file; }

private:
    std::FILE* file = nullptr;
};
