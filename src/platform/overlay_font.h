// The small font of the overlays (dialog texts, captions, menu items): Liberation Sans
// (fontconfig's "Arial") regular and bold, 1-bit, one display list per Latin-1 code at
// list bases 3000 and 3256, far from the game's own lists 1000..1254. The lists are built
// on first use in the current context and again if the context was replaced. Sizes are in
// pixels. GL state touched while building: the display lists and the client pixel-store
// state (the caller saves it).
#pragma once

#include <array>
#include <string_view>

namespace platform {

struct UiFont {
    unsigned listBase = 0;
    int ascent = 0; // pixels from the top of a line down to the baseline
    int height = 0; // ascent + descent, the line's cell
    std::array<float, 256> advance{};
    bool ready = false;
};

struct UiFonts {
    UiFont regular, bold;
};

// The overlay fonts, built if they are not in the current context yet. A font that cannot
// be found stays not ready (with a warning on stderr, once) and its text is not drawn.
const UiFonts& GetUiFonts();

// Width in pixels of the text drawn with the font.
int TextWidth(const UiFont& font, std::string_view text);

} // namespace platform
