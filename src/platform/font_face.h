// Finding and opening the faces the platform draws text with. fontconfig picks a font file
// for a pattern such as "Arial:bold"; FreeType opens it scaled to a cell height in pixels
// (ascender + descender, the way a desktop font "height 30" is meant). Faces are opened,
// used to build glyphs and closed again; nothing here touches OpenGL.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FontFile {
    std::string path;
    int index = 0;                     // face index inside the file
    std::vector<std::string> families; // the names fontconfig gives the face
};

// True for Arial and the faces drawn to its metrics (same advances, same cell height).
bool IsArialMetricFamily(std::string_view family);

// fontconfig's best match for the pattern; empty path when fontconfig has no font at all.
FontFile MatchFont(const char* pattern);

// Owns one FreeType face; empty (face() null) when the file could not be opened.
class ScaledFace {
public:
    ScaledFace(const FontFile& file, int cellHeight);
    ~ScaledFace();
    ScaledFace(const ScaledFace&) = delete;
    ScaledFace& operator=(const ScaledFace&) = delete;

    FT_Face face() const { return face_; }

private:
    FT_Face face_ = nullptr;
};

} // namespace platform
