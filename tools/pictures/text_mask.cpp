// FreeType text masks; see text_mask.h. Glyph bitmaps are 8-bit coverage, rows top-down;
// pen positions are in 26.6 fixed point (64 units a pixel).
#include "text_mask.h"

#include <algorithm>
#include <cstdio>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

float TextMask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    return coverage[static_cast<std::size_t>(y) * width + x];
}

void TextMask::add(const TextMask& other, int left, int top) {
    for (int y = 0; y < other.height; ++y)
        for (int x = 0; x < other.width; ++x) {
            const int tx = left + x, ty = top + y;
            if (tx < 0 || ty < 0 || tx >= width || ty >= height)
                continue;
            float& c = coverage[static_cast<std::size_t>(ty) * width + tx];
            c = std::min(1.0f, c + other.at(x, y));
        }
}

std::string findBoldFont() {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("Liberation Sans:bold"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string path;
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    // A match never fails outright (fontconfig falls back to another face): check the family.
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
        std::string(reinterpret_cast<char*>(family)) == "Liberation Sans")
        path = reinterpret_cast<char*>(file);
    else
        std::fprintf(stderr, "make_pictures: fontconfig has no Liberation Sans Bold\n");
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    FcFini(); // the tool asks once; let the library free its configuration again
    return path;
}

namespace {

struct Glyph {
    int left, top; // bitmap origin relative to the pen on the baseline, y down
    TextMask bitmap;
};

Glyph renderGlyph(FT_Face face, FT_UInt index) {
    Glyph glyph{0, 0, {}};
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0)
        return glyph;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    glyph.left = face->glyph->bitmap_left;
    glyph.top = -face->glyph->bitmap_top;
    glyph.bitmap.width = static_cast<int>(bitmap.width);
    glyph.bitmap.height = static_cast<int>(bitmap.rows);
    for (unsigned y = 0; y < bitmap.rows; ++y)
        for (unsigned x = 0; x < bitmap.width; ++x)
            glyph.bitmap.coverage.push_back(bitmap.buffer[y * bitmap.pitch + x] / 255.0f);
    return glyph;
}

TextMask layOut(FT_Face face, const std::string& text) {
    const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descent = static_cast<int>(-face->size->metrics.descender >> 6);
    std::vector<std::pair<int, Glyph>> placed;
    long pen = 0;
    FT_UInt previous = 0;
    for (const unsigned char c : text) {
        const FT_UInt index = FT_Get_Char_Index(face, c);
        FT_Vector kerning{0, 0};
        if (previous && FT_HAS_KERNING(face))
            FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kerning);
        pen += kerning.x;
        Glyph glyph = renderGlyph(face, index);
        placed.emplace_back(static_cast<int>(pen >> 6), std::move(glyph));
        pen += face->glyph->advance.x;
        previous = index;
    }
    TextMask mask;
    mask.width = static_cast<int>(pen >> 6) + 2;
    mask.height = ascent + descent;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0.0f);
    for (const auto& [x, glyph] : placed)
        mask.add(glyph.bitmap, x + glyph.left, ascent + glyph.top);
    return mask;
}

// One pass of a running-sum box blur along rows (step 1) or columns (step width).
void boxPass(std::vector<float>& values, int count, int lines, int step, int lineStep, int radius) {
    std::vector<float> line(count);
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < count; ++i)
            line[i] = values[static_cast<std::size_t>(l) * lineStep + i * step];
        float sum = 0;
        for (int i = -radius; i < count + radius; ++i) {
            if (i + radius < count && i + radius >= 0)
                sum += line[i + radius];
            if (i - radius - 1 >= 0 && i - radius - 1 < count)
                sum -= line[i - radius - 1];
            if (i >= 0 && i < count)
                values[static_cast<std::size_t>(l) * lineStep + i * step] = sum / (2 * radius + 1);
        }
    }
}

} // namespace

TextMask renderText(const std::string& fontPath, const std::string& text, int pixelSize) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    TextMask mask;
    if (FT_Init_FreeType(&library) == 0 && FT_New_Face(library, fontPath.c_str(), 0, &face) == 0 &&
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) == 0)
        mask = layOut(face, text);
    if (face)
        FT_Done_Face(face);
    if (library)
        FT_Done_FreeType(library);
    return mask;
}

TextMask blurred(const TextMask& mask, int radius) {
    const int grow = 3 * radius;
    TextMask out;
    out.width = mask.width + 2 * grow;
    out.height = mask.height + 2 * grow;
    out.coverage.assign(static_cast<std::size_t>(out.width) * out.height, 0.0f);
    out.add(mask, grow, grow);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(out.coverage, out.width, out.height, 1, out.width, radius);
        boxPass(out.coverage, out.height, out.width, out.width, 1, radius);
    }
    return out;
}
