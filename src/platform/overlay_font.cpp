#include "platform/overlay_font.h"

#include "platform/font_face.h"
#include "platform/font_glyph.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>

namespace platform {

namespace {

// A 15-pixel cell gives an em of 13.4 pixels: text about the size of a desktop's 8-point
// dialog font at 96 dots per inch, a little larger for a full-screen game.
constexpr int UI_CELL_HEIGHT = 15;
constexpr unsigned REGULAR_LIST_BASE = 3000;
constexpr unsigned BOLD_LIST_BASE = REGULAR_LIST_BASE + 256;
constexpr int FIRST_PRINTABLE = 32;

void BuildLists(UiFont& font, FT_Face face) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int code = 0; code < 256; ++code) {
        const unsigned list = font.listBase + static_cast<unsigned>(code);
        GlyphBitmap glyph;
        if (code >= FIRST_PRINTABLE && RenderGlyph(face, code, glyph)) {
            CompileGlyphList(list, glyph);
            font.advance[code] = glyph.advance;
        } else {
            CompileEmptyList(list);
            font.advance[code] = 0;
        }
    }
}

// Returns false when the font cannot be had; true when it is ready in this context.
bool Build(UiFont& font, const char* pattern, unsigned listBase) {
    const ScaledFace face(MatchFont(pattern), UI_CELL_HEIGHT);
    if (!face.face())
        return false;
    const FT_Size_Metrics& metrics = face.face()->size->metrics; // 26.6 fixed point
    font.listBase = listBase;
    font.ascent = static_cast<int>(std::lround(metrics.ascender / 64.0));
    font.height = font.ascent + static_cast<int>(std::lround(-metrics.descender / 64.0));
    BuildLists(font, face.face());
    font.ready = true;
    return true;
}

void Ensure(UiFont& font, bool& failed, const char* pattern, unsigned listBase) {
    if (failed || (font.ready && glIsList(listBase + 'A')))
        return;
    if (!Build(font, pattern, listBase)) {
        failed = true;
        std::fprintf(stderr, "Munchora: no font \"%s\" for dialogs; their text is not drawn\n",
                     pattern);
    }
}

} // namespace

const UiFonts& GetUiFonts() {
    static UiFonts fonts;
    static bool regularFailed = false, boldFailed = false;
    Ensure(fonts.regular, regularFailed, "Arial", REGULAR_LIST_BASE);
    Ensure(fonts.bold, boldFailed, "Arial:bold", BOLD_LIST_BASE);
    return fonts;
}

int TextWidth(const UiFont& font, std::string_view text) {
    float width = 0;
    for (const char c : text)
        width += font.advance[static_cast<unsigned char>(c)];
    return static_cast<int>(std::lround(width));
}

} // namespace platform
