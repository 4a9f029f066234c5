// The game's text font: "Arial" bold through fontconfig (on Debian, the metric-compatible
// Liberation Sans Bold), rendered 1-bit by FreeType into one display list per character
// code, each a glBitmap drawn at the raster position in the raster colour. Codes are
// Latin-1, which is Unicode's first 256 code points, so a code is its own code point.
// Control codes and codes the face has no glyph for get empty lists that advance nothing.
// GL state touched: the client pixel-store state, saved and restored around the build.
#include "platform/font_face.h"
#include "platform/font_glyph.h"
#include "platform/gl_context.h"

#include <GL/gl.h>

#include <algorithm>
#include <cassert>
#include <cstdio>

namespace platform {

namespace {

constexpr int FIRST_PRINTABLE = 32;

bool HasArialMetrics(const FontFile& file) {
    return std::any_of(file.families.begin(), file.families.end(),
                       [](const std::string& family) { return IsArialMetricFamily(family); });
}

// fontconfig always answers with some face, so the family it returns decides whether the
// game's text keeps Arial's widths; any other bold sans face is the fallback.
FontFile FindBoldArial() {
    FontFile file = MatchFont("Arial:bold");
    if (HasArialMetrics(file))
        return file;
    file = MatchFont("sans-serif:bold");
    std::fprintf(stderr, "Munchora: no Arial or metric-compatible font found; using %s\n",
                 file.families.empty() ? "no font" : file.families.front().c_str());
    return file;
}

void CompileLists(FT_Face face, int first, int count, unsigned listBase) {
    for (int code = first; code < first + count; ++code) {
        const unsigned list = listBase + static_cast<unsigned>(code);
        GlyphBitmap glyph;
        if (face && code >= FIRST_PRINTABLE && RenderGlyph(face, code, glyph))
            CompileGlyphList(list, glyph);
        else
            CompileEmptyList(list);
    }
}

} // namespace

bool BuildFontLists(int first, int count, unsigned listBase, int pixelHeight) {
    assert(first >= 0 && count >= 0 && first + count <= 256 && pixelHeight > 0);
    const ScaledFace face(FindBoldArial(), pixelHeight);
    if (!face.face())
        std::fprintf(stderr, "Munchora: no font could be opened; text will not be drawn\n");
    // glBitmap copies its rows into the list using the unpack state of the moment.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    CompileLists(face.face(), first, count, listBase);
    glPopClientAttrib();
    return face.face() != nullptr;
}

} // namespace platform
