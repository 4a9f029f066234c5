// The pictures of the Hero and the Enemies.
#pragma once

#include "canvas.h"

// Enemy skin: purple and crimson scales (one Worley cell each) with dark creases and pale
// speckles; tileable.
Canvas makeEnemySkin(int size);

// The Hero's sphere map: what a mirror ball sees, as the sphere-map texture generation looks
// it up. Each point inside the disc is a normal n = (x, y, sqrt(1 - x^2 - y^2)) with y up;
// the viewer looks along -z, so the reflected ray is r = 2 n_z n - (0, 0, 1). The ray's
// height picks sky, horizon glow or ground, and two lights add soft highlights. Mostly
// bright and neutral, since the game tints it yellow.
Canvas makeHeroEnvironment(int size);

// The Hero's shadow for the game's brightness-to-alpha rule: alpha is the low byte of
// -floor((r + g + b) / 3), so black (0) is fully transparent, grey level 1 is opaque (255)
// and level g > 0 gives alpha 256 - g. A soft round blob of opacity o is therefore painted
// as grey 256 - 255 o: darkest (most opaque) in the middle, brightening outwards, and pure
// black outside its rim.
Canvas makeShadow(int size);
