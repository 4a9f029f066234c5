#include "bmp_bytes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

void putLe16(Bytes& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back(value >> 8 & 0xFF);
}

void putLe32(Bytes& out, std::uint32_t value) {
    putLe16(out, value & 0xFFFF);
    putLe16(out, value >> 16);
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes fileHeader(std::uint32_t pixelOffset) {
    Bytes out{'B', 'M'};
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, pixelOffset);
    return out;
}

Bytes infoHeader(std::int32_t width, std::int32_t height, unsigned bitCount,
                 std::uint32_t compression, std::uint32_t coloursUsed, std::uint32_t size) {
    Bytes out;
    putLe32(out, size);
    putLe32(out, static_cast<std::uint32_t>(width));
    putLe32(out, static_cast<std::uint32_t>(height));
    putLe16(out, 1);
    putLe16(out, bitCount);
    putLe32(out, compression);
    for (int field = 0; field < 3; ++field) // image size, resolutions
        putLe32(out, 0);
    putLe32(out, coloursUsed);
    putLe32(out, 0);
    out.resize(size < 40 ? 40 : size, 0);
    return out;
}

Bytes coreHeader(unsigned width, unsigned height, unsigned bitCount) {
    Bytes out;
    putLe32(out, 12);
    putLe16(out, width);
    putLe16(out, height);
    putLe16(out, 1);
    putLe16(out, bitCount);
    return out;
}

void colourTableEntry(int i, unsigned char& red, unsigned char& green, unsigned char& blue) {
    red = static_cast<unsigned char>(i * 7 + 1);
    green = static_cast<unsigned char>(255 - i);
    blue = static_cast<unsigned char>(i * 3 + 2);
}

Bytes colourTable(int count, int entrySize) {
    Bytes out;
    for (int i = 0; i < count; ++i) {
        unsigned char r, g, b;
        colourTableEntry(i, r, g, b);
        out.insert(out.end(), {b, g, r});
        if (entrySize == 4)
            out.push_back(0x55); // a reserved byte no reader may take for a colour
    }
    return out;
}

void patternColour(int x, int y, unsigned char& red, unsigned char& green, unsigned char& blue) {
    red = static_cast<unsigned char>(x * 40 + 10);
    green = static_cast<unsigned char>(y * 30 + 20);
    blue = static_cast<unsigned char>((x + y) * 7 + 5);
}

Bytes patternRows(int width, int rows, int bytesPerPixel) {
    Bytes out;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char r, g, b;
            patternColour(x, y, r, g, b);
            out.insert(out.end(), {b, g, r});
            if (bytesPerPixel == 4)
                out.push_back(0xEE);
        }
        while (out.size() % 4 != 0)
            out.push_back(0);
    }
    return out;
}

Bytes bmp24(std::int32_t width, std::int32_t height) {
    return fileHeader(54) + infoHeader(width, height, 24) +
           patternRows(width, height < 0 ? -height : height, 3);
}

namespace {

// One folder per test process, removed again when the process ends.
const std::filesystem::path& tempFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("munchora_images_" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(tempFolder(), ignored);
        });
        return path;
    }();
    return folder;
}

} // namespace

std::string tempPath(const std::string& name) {
    return (tempFolder() / name).string();
}

std::string writeTempFile(const std::string& name, const Bytes& bytes) {
    const std::string path = tempPath(name);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
}
