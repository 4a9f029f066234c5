// The twenty maze layouts, compiled in. Each is 225 cell codes row by row (row 0 first,
// column 0 first within a row), with walls on the whole outer ring.
#pragma once

#include "board/board.h"

#include <array>
#include <cstdint>

using Layout = std::array<uint8_t, CELL_COUNT>;

extern const std::array<Layout, LEVEL_COUNT> LEVEL_LAYOUTS;
