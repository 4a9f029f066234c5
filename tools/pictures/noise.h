// Tileable value noise and Worley (cell) noise for the procedural textures. Coordinates are
// in lattice cells; every function repeats with the given period in cells, so a texture
// built from whole periods across its width and height wraps without a seam.
#pragma once

// Smooth noise in [0, 1] with period `period` on both axes; `seed` picks an independent field.
float valueNoise(float x, float y, int period, unsigned seed);

// Sum of `octaves` noise layers, each twice the frequency and half the weight of the last,
// normalised to [0, 1].
float fractalNoise(float x, float y, int period, int octaves, unsigned seed);

// Worley noise: distances to the nearest and second nearest of one random point per cell,
// and an id of the nearest point's cell (for per-cell colour).
struct CellDistance {
    float nearest;
    float second;
    unsigned cellId;
};
CellDistance cellNoise(float x, float y, int period, unsigned seed);

// A hash of integers to [0, 1), the generator's only source of randomness (no global state,
// so the pictures come out the same on every build).
float hashUnit(int x, int y, unsigned seed);
