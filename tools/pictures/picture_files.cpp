// BMP and JPEG writers; see picture_files.h. BMP layout: 14-byte file header ("BM", file
// size, reserved, pixel offset 54) and 40-byte information header, then the rows.
#include "picture_files.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include <jpeglib.h>

namespace {

unsigned char toByte(float v) {
    return static_cast<unsigned char>(std::lround(clamp01(v) * 255));
}

void put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back(v >> 8 & 0xFF);
}
void put32(std::vector<unsigned char>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<unsigned char> bmpHeaders(int width, int height, std::uint32_t imageBytes) {
    std::vector<unsigned char> out{'B', 'M'};
    put32(out, 54 + imageBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);  // planes
    put16(out, 24); // bits per pixel
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, 2835); // 72 dots per inch = 2835 per metre
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    return out;
}

} // namespace

bool writeBmp24(const std::string& path, const Canvas& canvas) {
    const std::size_t rowBytes =
        (3 * static_cast<std::size_t>(canvas.width()) + 3) & ~std::size_t{3};
    std::vector<unsigned char> file = bmpHeaders(
        canvas.width(), canvas.height(), static_cast<std::uint32_t>(rowBytes * canvas.height()));
    for (int y = canvas.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = file.size();
        for (int x = 0; x < canvas.width(); ++x) {
            const Colour& c = canvas.at(x, y);
            file.insert(file.end(), {toByte(c.b), toByte(c.g), toByte(c.r)});
        }
        file.resize(rowStart + rowBytes, 0);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<long>(file.size()));
    return static_cast<bool>(out);
}

bool writeJpeg(const std::string& path, const Canvas& canvas, int quality) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    jpeg_stdio_dest(&compressor, file);
    compressor.image_width = static_cast<JDIMENSION>(canvas.width());
    compressor.image_height = static_cast<JDIMENSION>(canvas.height());
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(canvas.width()) * 3);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Colour& c = canvas.at(x, y);
            row[3 * x] = toByte(c.r);
            row[3 * x + 1] = toByte(c.g);
            row[3 * x + 2] = toByte(c.b);
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&compressor, &pointer, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return std::fclose(file) == 0;
}
