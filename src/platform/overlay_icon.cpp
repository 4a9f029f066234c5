#include "platform/overlay_icon.h"

#include "platform/overlay_paint.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

constexpr int ICON_CELLS = 16;

// One character a cell: ' ' clear, s stem, g leaf, r red skin, d its shadow, h its shine.
constexpr std::array<const char*, ICON_CELLS> APPLE = {
    "       s        ", //
    "       s  ggg   ", //
    "       s gggg   ", //
    "   rrrrsrrgg    ", //
    "  rrrrrrrrrrr   ", //
    " rhhrrrrrrrrrr  ", //
    " rhrrrrrrrrrrrd ", //
    "rhhrrrrrrrrrrrd ", //
    "rhrrrrrrrrrrrrd ", //
    "rrrrrrrrrrrrrdd ", //
    "rrrrrrrrrrrrrdd ", //
    " rrrrrrrrrrrdd  ", //
    " rrrrrrrrrrddd  ", //
    "  rrrrrrrrddd   ", //
    "   rrrddrrdd    ", //
    "    dd   dd     ", //
};

Rgb CellColor(char cell) {
    switch (cell) {
    case 's':
        return FromBytes(110, 70, 30);
    case 'g':
        return FromBytes(40, 160, 40);
    case 'd':
        return FromBytes(150, 0, 0);
    case 'h':
        return FromBytes(255, 140, 140);
    default:
        return FromBytes(215, 20, 20);
    }
}

} // namespace

void DrawAppleIcon(const Rect& area) {
    const int scale = std::max(1, std::min(area.width(), area.height()) / ICON_CELLS);
    for (int row = 0; row < ICON_CELLS; ++row) {
        const char* cells = APPLE[row];
        for (int column = 0; column < ICON_CELLS;) {
            // Runs of one colour become one quad.
            int end = column + 1;
            while (end < ICON_CELLS && cells[end] == cells[column])
                ++end;
            if (cells[column] != ' ')
                FillRect({area.left + column * scale, area.top + row * scale,
                          area.left + end * scale, area.top + (row + 1) * scale},
                         CellColor(cells[column]));
            column = end;
        }
    }
}

} // namespace platform
