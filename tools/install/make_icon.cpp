// Writes the application icon as a PNG for the desktop's menus: the same pixels the window
// shows, so the two never drift apart.
//
//   make_icon OUTPUT.png
#include "platform/overlay.h"
#include "resources/app_icon.h"

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.png\n");
        return 2;
    }
    // WritePng takes rows bottom first, as glReadPixels gives them; the icon is top first.
    const int size = APP_ICON_SIZE;
    std::vector<unsigned char> rows(size * size * 4);
    for (int row = 0; row < size; ++row)
        std::memcpy(&rows[(size - 1 - row) * size * 4], appIconPixels() + row * size, size * 4);
    return platform::WritePng(argv[1], size, size, rows.data()) ? 0 : 1;
}
