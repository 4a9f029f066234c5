// Ownership of one C stream; see scoped_file.h.
#include "images/scoped_file.h"

ScopedFile::~ScopedFile() {
    close();
}

bool ScopedFile::open(const char* fileName, const char* mode) {
    close();
    file = std::fopen(fileName, mode);
    return file != nullptr;
}

void ScopedFile::close() {
    if (file)
        std::fclose(file);
    file = nullptr;
}
