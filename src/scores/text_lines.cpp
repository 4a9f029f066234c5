// Whole-file reading and writing of short text files as lines.
//
// Reading treats the file as hostile: every line is measured within the bytes that were
// read, so a stray carriage return or a last line without a line feed can never lead past
// the buffer. Writing goes to a temporary file beside the target which is flushed to disk
// and then renamed over it, so a failure at any point leaves the old file as it was. The
// replacement behaves as a plain write would: it keeps the old file's permission bits,
// replaces the file a symbolic link names (the link stays), refuses a read-only file, and
// when the folder takes no temporary file it rewrites the file in place.
#include "scores/text_lines.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t FORMAT_BUFFER_BYTES = 1024; // one formatted line holds 1023 characters
constexpr long MAX_FILE_BYTES = 16L << 20;   // far beyond any text file of the game
constexpr int MAX_LINK_HOPS = 40;            // the system's own limit on a chain of links

// The whole file, or false when it cannot be opened, is empty, too large or short-read.
bool readWholeFile(const char* fileName, std::vector<char>& bytes) {
    FILE* file = std::fopen(fileName, "rb");
    if (!file)
        return false;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    bool ok = size > 0 && size <= MAX_FILE_BYTES && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(size_t(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    return ok;
}

// A file descriptor that closes itself; -1 holds none.
class ScopedFd {
public:
    explicit ScopedFd(int fd = -1) : fd_(fd) {}
    ~ScopedFd() {
        if (fd_ >= 0)
            close(fd_);
    }
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close (the last chance to hear of a write error) worked.
    bool release() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

// The file a name finally stands for: symbolic links are followed (relative ones from the
// folder of the link), so that replacing the file leaves the links as they are.
std::string followLinks(const char* fileName) {
    std::string path = fileName;
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0)
            break; // not a link (or nothing there): this is the file
        target[length] = '\0';
        const size_t slash = path.rfind('/');
        const bool relative = target[0] != '/' && slash != std::string::npos;
        path = relative ? path.substr(0, slash + 1) + target : std::string(target);
    }
    return path;
}

bool writeAt(int fd, const char* bytes, size_t count, off_t offset) {
    while (count > 0) {
        const ssize_t written = pwrite(fd, bytes, count, offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        count -= size_t(written);
        offset += written;
    }
    return true;
}

// A private temporary file in the folder of path (-1 when none can be made there), with the
// permission bits of the file it replaces, or those a new file would get.
int openTemporaryBeside(const std::string& path, const struct stat* replaced,
                        std::string& temporaryName) {
    temporaryName = path + ".XXXXXX";
    const int fd = mkstemp(temporaryName.data());
    if (fd < 0)
        return -1;
    mode_t mode = 0;
    if (replaced) {
        mode = replaced->st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    fchmod(fd, mode);
    return fd;
}

// Written beside the old file, flushed to disk and renamed over it: a failure at any point
// leaves the old file as it was and no temporary file behind.
bool replaceThroughTemporary(const std::string& path, const std::string& bytes, ScopedFd& temporary,
                             const std::string& temporaryName) {
    bool ok =
        writeAt(temporary.get(), bytes.data(), bytes.size(), 0) && fsync(temporary.get()) == 0;
    ok = temporary.release() && ok;
    ok = ok && std::rename(temporaryName.c_str(), path.c_str()) == 0;
    if (!ok)
        unlink(temporaryName.c_str());
    return ok;
}

// Rewrites an open file where it is, for a folder that takes no new file. Growth comes
// first: the bytes past the old end are written before any old byte is touched, so a full
// disk stops the write while the old table is still whole (and the growth is cut off
// again). The old bytes are then overwritten in blocks the file already owns.
bool overwriteInPlace(int fd, const std::string& bytes) {
    struct stat old;
    if (fstat(fd, &old) != 0)
        return false;
    const size_t oldSize = size_t(old.st_size);
    if (bytes.size() > oldSize &&
        !writeAt(fd, bytes.data() + oldSize, bytes.size() - oldSize, off_t(oldSize))) {
        (void)!ftruncate(fd, old.st_size);
        return false;
    }
    return writeAt(fd, bytes.data(), std::min(bytes.size(), oldSize), 0) &&
           ftruncate(fd, off_t(bytes.size())) == 0 && fsync(fd) == 0;
}

} // namespace

void TextLine::assign(const char* text) {
    text_ = text ? text : "";
}

void TextLine::format(const char* format, ...) {
    char buffer[FORMAT_BUFFER_BYTES];
    va_list args;
    va_start(args, format);
    int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    assign(length < 0 ? "" : buffer);
}

bool TextLines::read(const char* fileName) {
    std::vector<char> bytes;
    if (!readWholeFile(fileName, bytes))
        return false;
    int lineFeeds = 0;
    size_t lineEnd = 1;
    for (char& byte : bytes) {
        if (byte == '\n') {
            ++lineFeeds;
            byte = '\0';
        } else if (byte == '\r') {
            byte = '\0';
            lineEnd = 2;
        }
    }
    if (lineFeeds == 0)
        return false;
    // A file said to use two-byte line ends may not: the zero byte added after the last byte
    // ends a last line that has no line end, and a line starting past the end is empty.
    const size_t size = bytes.size();
    bytes.push_back('\0');
    resize(0);
    resize(lineFeeds);
    size_t p = 0;
    for (TextLine& line : lines_) {
        const char* text = p < size ? bytes.data() + p : "";
        line.assign(text);
        p += std::strlen(text) + lineEnd;
    }
    return true;
}

// An existing file must open for writing, as it would for a plain write: a file made
// read-only is not replaced behind its owner's back.
bool TextLines::write(const char* fileName) const {
    std::string bytes;
    for (const TextLine& line : lines_)
        bytes.append(line.str()).push_back('\n');
    const std::string path = followLinks(fileName);
    struct stat old;
    const bool exists = stat(path.c_str(), &old) == 0;
    ScopedFd existing(exists ? open(path.c_str(), O_WRONLY | O_CLOEXEC) : -1);
    if (exists && existing.get() < 0)
        return false;
    std::string temporaryName;
    ScopedFd temporary(openTemporaryBeside(path, exists ? &old : nullptr, temporaryName));
    if (temporary.get() >= 0)
        return replaceThroughTemporary(path, bytes, temporary, temporaryName);
    return exists && overwriteInPlace(existing.get(), bytes);
}

void TextLines::resize(int count) {
    lines_.resize(size_t(count < 0 ? 0 : count));
}

TextLine& TextLines::operator[](int index) {
    if (index < 0 || index >= count()) {
        spare_ = TextLine(); // whatever was written into it before is not a line
        return spare_;
    }
    return lines_[size_t(index)];
}

const TextLine& TextLines::operator[](int index) const {
    static const TextLine empty; // the spare may hold what a caller wrote into it
    if (index < 0 || index >= count())
        return empty;
    return lines_[size_t(index)];
}
