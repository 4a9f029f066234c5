// The twenty maze layouts, written as the grids they are and turned into cell codes when
// the program is compiled: '#' is a wall, '.' an empty floor tile, 'o' a floor tile with an
// apple. The top line of a grid is row 0 and its leftmost character column 0. A character
// outside those three, or a grid of the wrong size, stops the build.
#include "board/layouts.h"

#include <cstddef>

namespace {

constexpr size_t GRID_CHARS = CELL_COUNT + 1; // 15 rows of 15 characters and the final zero

constexpr uint8_t cellCode(char c) {
    if (c == '#')
        return CELL_WALL;
    if (c == '.')
        return CELL_EMPTY;
    if (c == 'o')
        return CELL_APPLE;
    throw "a layout grid holds a character other than '#', '.' and 'o'";
}

constexpr Layout parseGrid(const char (&grid)[GRID_CHARS]) {
    Layout layout{};
    for (int i = 0; i < CELL_COUNT; ++i)
        layout[i] = cellCode(grid[i]);
    return layout;
}

constexpr int DRAWN_LAYOUT_COUNT = 15;

// The levels after the fifteen drawn ones repeat earlier layouts byte for byte.
constexpr int REPEATED_LAYOUT[LEVEL_COUNT - DRAWN_LAYOUT_COUNT] = {2, 9, 4, 5, 7};

constexpr char GRIDS[DRAWN_LAYOUT_COUNT][GRID_CHARS] = {
    // index 0
    "###############"
    "#ooooooooooooo#"
    "#o####oo#####o#"
    "#o####oo#####o#"
    "#o##ooooooo##o#"
    "#o##o##.##o##o#"
    "#o##o#.o.#o##o#"
    "#oooo.ooo.oooo#"
    "#oooo#.o.#oooo#"
    "#o##o##.##o##o#"
    "#o##ooooooo##o#"
    "#o####oo#####o#"
    "#o####oo#####o#"
    "#ooooooooooooo#"
    "###############",
    // index 1
    "###############"
    "#.ooooooooooo.#"
    "#o##o#o#oo#o#o#"
    "#oo#o#o#oooo#o#"
    "#oo#ooooo#oooo#"
    "#o#ooo##oooooo#"
    "#ooooooooooooo#"
    "#o##oooo##oo#o#"
    "#oo#oooooooo#o#"
    "#o##oooo##oo#o#"
    "#ooooooooooooo#"
    "#o#o###oo#o#oo#"
    "#o#o###oo###oo#"
    "#.ooooooooooo.#"
    "###############",
    // index 2
    "###############"
    "#.o#ooooooooo.#"
    "#ooooooooooooo#"
    "#oo#o#o#oooo#o#"
    "#oo#o##oo#oooo#"
    "#o#ooooo##o##o#"
    "#o####ooooo##o#"
    "#ooooooo##oo#o#"
    "#o#ooooooooo#o#"
    "#o#o##o######o#"
    "#o#o##o###o#oo#"
    "#o#o#ooo##o#oo#"
    "#o####o###o#oo#"
    "#.ooooooooooo.#"
    "###############",
    // index 3
    "###############"
    "#.o#ooooooooo.#"
    "#ooooooooooooo#"
    "#oo#o#o#oooo#o#"
    "#oo#ooooo#oooo#"
    "#o#ooooooooooo#"
    "#oooo#ooo#oooo#"
    "#o##oooo##oo#o#"
    "#ooooooooooo#o#"
    "#o##o#oo##oo#o#"
    "#oooooo#oooooo#"
    "#o##oo#oo###oo#"
    "#o##o#o#o###oo#"
    "#.ooooooooooo.#"
    "###############",
    // index 4
    "###############"
    "#.o#ooooooooo.#"
    "#oooo#ooo#oooo#"
    "#oo#o#oooooo#o#"
    "#oo#ooooo#oooo#"
    "#o#oo#o#oooooo#"
    "#ooooooooooooo#"
    "#o##ooooo#oo#o#"
    "#oooo#oooooo#o#"
    "#o##oooo##oo#o#"
    "#oooo#oooooooo#"
    "#o#ooo##o###oo#"
    "#o##oo#oo#oooo#"
    "#.ooooooooooo.#"
    "###############",
    // index 5
    "###############"
    "#.ooooooooooo.#"
    "#o#o##o#oo#o#o#"
    "#oooo#o#oooo#o#"
    "#oo#ooooo#oooo#"
    "#o#ooooooooooo#"
    "#o#o#ooooo#o#o#"
    "#oooooooo#oo#o#"
    "#oo#oooooooo#o#"
    "#o##oooo##oo#o#"
    "#ooooooooooooo#"
    "#o#o###oo####o#"
    "#o#oo#ooo#o#oo#"
    "#.oooooooooo#.#"
    "###############",
    // index 6
    "###############"
    "#.o#ooooooooo.#"
    "#o#oo#o#oo#o#o#"
    "#oo#o#oooooo#o#"
    "#oo#ooooo#oooo#"
    "#o#ooooooooooo#"
    "#ooooooooooooo#"
    "#o##oooo##oo#o#"
    "#ooooooooooo#o#"
    "#o##o########o#"
    "#oooo#ooooo#oo#"
    "#o#oo#o###o#oo#"
    "#oo#o#ooo###oo#"
    "#.ooooooooooo.#"
    "###############",
    // index 7
    "###############"
    "#.ooooooooooo.#"
    "#o#o#oo####o#o#"
    "#oooo###oooooo#"
    "#o####ooo#oooo#"
    "#o#ooooooooooo#"
    "#o####oooooooo#"
    "#oo#o#ooo#oo#o#"
    "#oo#o#o#oooooo#"
    "#o##o#oo##oo#o#"
    "#oooo#oooooooo#"
    "#o#oo####ooooo#"
    "#o#o#oooo#o#oo#"
    "#.ooooooooooo.#"
    "###############",
    // index 8
    "###############"
    "#.ooo.ooo.ooo.#"
    "#o#ooooooo#o#o#"
    "#oooo#oooooooo#"
    "#oo#o#ooo#oooo#"
    "#o#oo#oooooooo#"
    "#oooo#ooo#oooo#"
    "#oo#ooooo#oo#o#"
    "#oo#o#oooooooo#"
    "#o##oooo##oo#o#"
    "#oooo#oooooooo#"
    "#o#ooo###ooooo#"
    "#o#o#oooo#o#oo#"
    "#.ooooooooooo.#"
    "###############",
    // index 9
    "###############"
    "#.ooo#o#ooooo.#"
    "#o#o##o#oo#o#o#"
    "#oooo#o######o#"
    "#oo#ooooo#oooo#"
    "#o#ooooooooooo#"
    "#o#o#o#ooo#o#o#"
    "#ooooo##o#oo#o#"
    "#oo#oo#ooooo#o#"
    "#o##oooo##oo#o#"
    "#oooooo##ooo#o#"
    "#o#o##ooo#o##o#"
    "#o#oo#ooo#o##o#"
    "#.ooooooooooo.#"
    "###############",
    // index 10
    "###############"
    "#.ooooooooooo.#"
    "#oo###o#o#o#o##"
    "#oo#ooo#o#o##o#"
    "#.o#o##oo#o#oo#"
    "#o#oo#oo##o##o#"
    "#o####ooooo##o#"
    "#.oooooo##oo#o#"
    "#o#ooooooooo#o#"
    "#o####o#oo#o#o#"
    "#ooo##o#o#oooo#"
    "#o###oooo#o#oo#"
    "#o####o###o#oo#"
    "#.ooooooooooo.#"
    "###############",
    // index 11
    "###############"
    "#.ooooooooooo.#"
    "#o.ooooooooo.o#"
    "#oo.ooooooo.oo#"
    "#.oo#oo#oo#ooo#"
    "#oooo.ooo.oooo#"
    "#ooooo.o.ooooo#"
    "#...#..o..#...#"
    "#ooooo.o.ooooo#"
    "#oooo.ooo.oooo#"
    "#ooo#oo#oo#ooo#"
    "#oo.ooooooo.oo#"
    "#o.ooooooooo.o#"
    "#.ooooooooooo.#"
    "###############",
    // index 12
    "###############"
    "#.ooooooooooo.#"
    "#o###########o#"
    "#oo.ooooooo.oo#"
    "#.#####oo####o#"
    "#oooo.ooo.oo#o#"
    "#o#ooo.o.ooo#o#"
    "#.#.#.....#...#"
    "#o#ooo.o.ooo#o#"
    "#oooo.ooo.oo#o#"
    "#o#####oo####o#"
    "#oo.ooooooo.oo#"
    "#o###########o#"
    "#.ooooooooooo.#"
    "###############",
    // index 13
    "###############"
    "#.ooooooooooo.#"
    "#o#o#o#o#o#o#o#"
    "#oo.ooooooo.oo#"
    "#.#o#o#oo#o#oo#"
    "#oooo.ooo.oo#o#"
    "#o#ooo.o.ooooo#"
    "#.o.#.....#...#"
    "#o#ooo.o.ooo#o#"
    "#oooo.ooo.oo#o#"
    "#o#o#o#oo#o#oo#"
    "#oo.ooooooo.oo#"
    "#o#o#o#o#o#o#o#"
    "#.ooooooooooo.#"
    "###############",
    // index 14
    "###############"
    "#.ooooo#ooooo.#"
    "#oo#o#oo#o#o#o#"
    "#oo.ooooooo.oo#"
    "#.#o#o#oo#o#oo#"
    "#oooo.ooo.oo#o#"
    "#o#o#o.#.#oooo#"
    "#.o.#....#o...#"
    "###o#o.o.#oo#o#"
    "#oooo.ooo.oo#o#"
    "#o#o#o##o##o#o#"
    "#oo.ooooooo.oo#"
    "#o#o#o###o###o#"
    "#.ooooo#ooooo.#"
    "###############",
};

constexpr std::array<Layout, LEVEL_COUNT> buildLayouts() {
    std::array<Layout, LEVEL_COUNT> layouts{};
    for (int i = 0; i < DRAWN_LAYOUT_COUNT; ++i)
        layouts[i] = parseGrid(GRIDS[i]);
    for (int i = DRAWN_LAYOUT_COUNT; i < LEVEL_COUNT; ++i)
        layouts[i] = layouts[REPEATED_LAYOUT[i - DRAWN_LAYOUT_COUNT]];
    return layouts;
}

} // namespace

constexpr std::array<Layout, LEVEL_COUNT> LEVEL_LAYOUTS = buildLayouts();
