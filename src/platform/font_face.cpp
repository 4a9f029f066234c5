#include "platform/font_face.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>

namespace platform {

namespace {

// One FreeType library for the program; FreeType keeps no per-thread state in it and the
// game draws from one thread.
FT_Library Library() {
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0)
            std::fprintf(stderr, "Munchora: FreeType could not be initialised\n");
        return created;
    }();
    return library;
}

std::vector<std::string> Families(FcPattern* pattern) {
    std::vector<std::string> names;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        names.emplace_back(reinterpret_cast<const char*>(name));
    return names;
}

} // namespace

bool IsArialMetricFamily(std::string_view family) {
    return family == "Arial" || family == "Liberation Sans" || family == "Arimo";
}

FontFile MatchFont(const char* pattern) {
    FontFile found;
    if (!FcInit())
        return found;
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (!wanted)
        return found;
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    FcPatternDestroy(wanted);
    if (!match)
        return found;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        found.path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
        found.families = Families(match);
    }
    FcPatternDestroy(match);
    return found;
}

ScaledFace::ScaledFace(const FontFile& file, int cellHeight) {
    FT_Library library = Library();
    if (!library || file.path.empty())
        return;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face_) != 0) {
        face_ = nullptr;
        return;
    }
    // REAL_DIM scales so that ascender - descender (the cell) spans cellHeight pixels:
    // for Arial's 1854 + 434 of 2048 units, a 30-pixel cell is an em of 26.9 pixels.
    FT_Size_RequestRec request{};
    request.type = FT_SIZE_REQUEST_TYPE_REAL_DIM;
    request.height = static_cast<FT_Long>(cellHeight) * 64;
    if (FT_Request_Size(face_, &request) != 0) {
        FT_Done_Face(face_);
        face_ = nullptr;
    }
}

ScaledFace::~ScaledFace() {
    if (face_)
        FT_Done_Face(face_);
}

} // namespace platform
