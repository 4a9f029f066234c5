// A small line-oriented text file: read whole, split at line feeds (carriage returns are
// dropped), written back one line per "%s\n". Lines are byte strings without their line
// ends; a line asked for outside the array is an empty spare line.
#pragma once

#include <string>
#include <vector>

class TextLine {
public:
    // Copies a zero-terminated text; null gives the empty line.
    void assign(const char* text);
    // Formats with printf rules into a 1024-byte buffer (longer results are cut at 1023).
    void format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    const char* c_str() const { return text_.c_str(); }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

class TextLines {
public:
    // True when at least one line (text ended by a line feed) was read.
    bool read(const char* fileName);
    // True when the file was written completely. The file is replaced atomically: written
    // beside the old one (with its permission bits) and renamed over it, so a failure leaves
    // the old file as it was. A symbolic link's target is the file replaced; a read-only
    // file is not replaced (false); in a folder that takes no new file a writable file is
    // rewritten in place, growing first so that a full disk still leaves it whole.
    bool write(const char* fileName) const;
    void resize(int count);
    int count() const { return int(lines_.size()); }
    TextLine& operator[](int index);
    const TextLine& operator[](int index) const;

private:
    std::vector<TextLine> lines_;
    TextLine spare_;
};
