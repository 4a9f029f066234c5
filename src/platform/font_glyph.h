// Glyphs as OpenGL bitmaps. FreeType renders a 1-bit glyph with its rows top-down; glBitmap
// wants them bottom-up, most significant bit leftmost, each row padded to whole bytes (so
// lists are compiled with unpack alignment 1). A glyph's list draws it with its origin at
// the raster position and moves the raster position on by the glyph's advance, in pixels.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

namespace platform {

struct GlyphBitmap {
    int width = 0, rows = 0;
    float xorig = 0, yorig = 0; // from the glyph's lower-left corner to its origin
    float advance = 0;
    std::vector<uint8_t> bits; // (width + 7) / 8 bytes a row, bottom row first
};

// Copies a top-down 1-bit bitmap of the given pitch (bytes a row) into bottom-up rows of
// (width + 7) / 8 bytes.
std::vector<uint8_t> FlipMonoRows(const uint8_t* topDown, int width, int rows, int pitch);

// Renders the character with the given Unicode code point, hinted for 1-bit output. False
// when the face has no glyph for it or FreeType fails.
bool RenderGlyph(FT_Face face, unsigned long codePoint, GlyphBitmap& out);

// Compiles display list `list` to draw the glyph; an empty glyph (width 0) gives a list
// that only advances. Expects GL_UNPACK_ALIGNMENT 1.
void CompileGlyphList(unsigned list, const GlyphBitmap& glyph);

// Compiles an empty list: it draws nothing and leaves the raster position where it is.
void CompileEmptyList(unsigned list);

} // namespace platform
