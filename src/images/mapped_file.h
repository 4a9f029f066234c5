// A whole file mapped read-only into memory, released by the destructor. The DIB reader
// reads its file through one, so a large file costs address space, not a copy. An empty
// file cannot be mapped and counts as not opened, as do directories and other non-files.
#pragma once

#include <cstddef>
#include <span>

class MappedFile {
public:
    explicit MappedFile(const char* fileName);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool isOpen() const { return address != nullptr; }
    std::span<const unsigned char> bytes() const {
        return {static_cast<const unsigned char*>(address), size};
    }

private:
    void* address = nullptr;
    std::size_t size = 0;
};
