// Generates the game's default pictures into the folder named on the command line:
// the board's and the Enemy's 24-bit BMP textures, the Hero's sphere map and shadow, and the
// title picture "First.jpg". Everything is procedural and deterministic.
//
//   make_pictures OUTPUT_FOLDER
#include "pictures/board_pictures.h"
#include "pictures/creature_pictures.h"
#include "pictures/picture_files.h"
#include "pictures/text_mask.h"
#include "pictures/title_picture.h"

#include <cstdio>
#include <string>

namespace {

constexpr int TEXTURE_SIZE = 256;
constexpr int LANDSCAPE_WIDTH = 512, LANDSCAPE_HEIGHT = 256;
constexpr int SHADOW_SIZE = 128;
// The title is laid out for the 16:9 of most screens at 1280 x 720 and stored at the power
// of two sides the texture gets anyway (gluBuild2DMipmaps would otherwise shrink it to
// 1024 x 512 itself at every start, in about 60 ms of software scaling); drawn over the
// whole window it is stretched back to its shape.
constexpr int TITLE_WIDTH = 1280, TITLE_HEIGHT = 720;
constexpr int TITLE_TEXTURE_WIDTH = 1024, TITLE_TEXTURE_HEIGHT = 512;
constexpr int TITLE_QUALITY = 90;

bool writeAll(const std::string& folder) {
    const auto bmp = [&](const char* name, const Canvas& canvas) {
        const bool written = writeBmp24(folder + "/" + name, canvas);
        if (!written)
            std::fprintf(stderr, "make_pictures: cannot write %s/%s\n", folder.c_str(), name);
        return written;
    };
    bool ok = bmp("wood.bmp", makeWood(TEXTURE_SIZE));
    ok = bmp("board.bmp", makeBoardTiles(TEXTURE_SIZE)) && ok;
    ok = bmp("top.bmp", makeWallTop(TEXTURE_SIZE)) && ok;
    ok = bmp("LandScape.bmp", makeLandscape(LANDSCAPE_WIDTH, LANDSCAPE_HEIGHT)) && ok;
    ok = bmp("Enemy1.bmp", makeEnemySkin(TEXTURE_SIZE)) && ok;
    ok = bmp("Hero.bmp", makeHeroEnvironment(TEXTURE_SIZE)) && ok;
    ok = bmp("Shadow.bmp", makeShadow(SHADOW_SIZE)) && ok;
    const std::string font = findBoldFont();
    const Canvas title = resampled(makeTitle(TITLE_WIDTH, TITLE_HEIGHT, font), TITLE_TEXTURE_WIDTH,
                                   TITLE_TEXTURE_HEIGHT);
    if (!writeJpeg(folder + "/First.jpg", title, TITLE_QUALITY)) {
        std::fprintf(stderr, "make_pictures: cannot write %s/First.jpg\n", folder.c_str());
        ok = false;
    }
    return ok && !font.empty();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    return writeAll(argv[1]) ? 0 : 1;
}
