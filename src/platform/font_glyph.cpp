#include "platform/font_glyph.h"

#include <GL/gl.h>

#include <cassert>
#include <cstring>

namespace platform {

std::vector<uint8_t> FlipMonoRows(const uint8_t* topDown, int width, int rows, int pitch) {
    const int rowBytes = (width + 7) / 8;
    assert(pitch >= rowBytes);
    std::vector<uint8_t> bits(static_cast<size_t>(rowBytes) * rows);
    for (int row = 0; row < rows; ++row)
        std::memcpy(&bits[static_cast<size_t>(rows - 1 - row) * rowBytes],
                    topDown + static_cast<size_t>(row) * pitch, rowBytes);
    return bits;
}

bool RenderGlyph(FT_Face face, unsigned long codePoint, GlyphBitmap& out) {
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0)
        return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
        return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.rows > 0)
        return false;
    out.width = static_cast<int>(bitmap.width);
    out.rows = static_cast<int>(bitmap.rows);
    // glBitmap puts the bitmap's lower-left corner at the raster position - (xorig, yorig).
    // FreeType's left edge lies bitmap_left right of the origin and its top row bitmap_top
    // above it, so its bottom row lies rows - bitmap_top below the origin.
    out.xorig = static_cast<float>(-slot->bitmap_left);
    out.yorig = static_cast<float>(out.rows - slot->bitmap_top);
    out.advance = static_cast<float>(slot->advance.x) / 64.0f; // 26.6 fixed point
    out.bits = FlipMonoRows(bitmap.buffer, out.width, out.rows, bitmap.pitch);
    return true;
}

void CompileGlyphList(unsigned list, const GlyphBitmap& glyph) {
    glNewList(list, GL_COMPILE);
    glBitmap(glyph.width, glyph.rows, glyph.xorig, glyph.yorig, glyph.advance, 0,
             glyph.bits.empty() ? nullptr : glyph.bits.data());
    glEndList();
}

void CompileEmptyList(unsigned list) {
    glNewList(list, GL_COMPILE);
    glEndList();
}

} // namespace platform
