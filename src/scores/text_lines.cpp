// Whole-file reading and writing of short text files as lines.
//
// Reading treats the file as hostile: every line is measured within the bytes that were
// read, so a stray carriage return or a last line without a line feed can never lead past
// the buffer. Writing goes to a temporary file beside the target which is flushed to disk
// and then renamed over it, so a failure at any point leaves the old file as it was.
#include "scores/text_lines.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t FORMAT_BUFFER_BYTES = 1024; // one formatted line holds 1023 characters
constexpr long MAX_FILE_BYTES = 16L << 20;   // far beyond any text file of the game

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

// Creates a private temporary file in the folder of fileName with the permissions a new
// file would get there.
FILE* openTemporaryBeside(const char* fileName, std::string& temporaryName) {
    temporaryName = std::string(fileName) + ".XXXXXX";
    int fd = mkstemp(temporaryName.data());
    if (fd < 0)
        return nullptr;
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    FILE* file = fdopen(fd, "w");
    if (!file) {
        close(fd);
        unlink(temporaryName.c_str());
    }
    return file;
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

bool TextLines::write(const char* fileName) const {
    std::string temporaryName;
    FILE* file = openTemporaryBeside(fileName, temporaryName);
    if (!file)
        return false;
    bool ok = true;
    for (const TextLine& line : lines_)
        ok = ok && std::fprintf(file, "%s\n", line.c_str()) >= 0;
    ok = ok && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    ok = std::fclose(file) == 0 && ok;
    ok = ok && std::rename(temporaryName.c_str(), fileName) == 0;
    if (!ok)
        unlink(temporaryName.c_str());
    return ok;
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
