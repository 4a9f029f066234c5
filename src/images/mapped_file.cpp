// POSIX mapping of a whole file; see mapped_file.h. The descriptor is closed as soon as the
// mapping exists: the mapping keeps the file's pages reachable on its own.
#include "images/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

MappedFile::MappedFile(const char* fileName) {
    const int descriptor = ::open(fileName, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        void* mapped = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ,
                              MAP_PRIVATE, descriptor, 0);
        if (mapped != MAP_FAILED) {
            address = mapped;
            size = static_cast<std::size_t>(status.st_size);
        }
    }
    ::close(descriptor);
}

MappedFile::~MappedFile() {
    if (address)
        ::munmap(address, size);
}
