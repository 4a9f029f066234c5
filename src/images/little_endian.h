// Reads of little-endian fields from byte buffers, in the layout BMP headers use. The caller
// has already checked that the field lies inside its buffer; these only assemble the bytes.
#pragma once

#include <cstdint>

inline std::uint16_t readLe16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t readLe32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Two's-complement reinterpretation: BMP widths and heights are signed 32-bit fields.
inline std::int32_t readLe32Signed(const unsigned char* p) {
    return static_cast<std::int32_t>(readLe32(p));
}
