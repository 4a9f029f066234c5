// The board's four textures. Each wraps seamlessly (the board drawing repeats and scrolls
// them): every pattern is built from whole periods of tileable noise across the picture.
#pragma once

#include "canvas.h"

// Wall sides: vertical planks of warm wood with wavy grain and a dark seam between planks.
Canvas makeWood(int size);
// Floor: a 2 x 2 checker of sandstone and slate tiles with bevelled edges and dark grout.
Canvas makeBoardTiles(int size);
// Wall tops: end grain, rings round the centre inside a bevelled frame, lighter than the
// sides so the tops read as a different surface.
Canvas makeWallTop(int size);
// Background: a dusk sky over blue mountain ridges and green hills, wrapping left to right.
Canvas makeLandscape(int width, int height);
