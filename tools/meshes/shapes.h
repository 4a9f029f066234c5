// The shapes the mesh generator writes out: the Hero, the Enemy and the four apple parts.
//
// Each builder returns its mesh already placed and sized in model coordinates (world units,
// z up, facing +x), with its texture coordinates filled in, and asserts its counts.
#pragma once

#include "shape_mesh.h"

#include <array>
#include <vector>

struct HeroShape {
    ShapeMesh mesh;                       // pose 0: the crest upright
    std::array<std::vector<P3>, 3> poses; // positions of poses 0, 1 (crest to +y), 2 (to -y)
    Piece crest;
};

HeroShape buildHero();
ShapeMesh buildEnemy();
std::array<ShapeMesh, 4> buildApple(); // body, light leaf, dark leaf, stalk

// How far the crest leans in one pose: the wanted sideways (y) shift of its farthest-moved
// vertex and the wanted average shift over all its vertices, both signed.
struct Sway {
    double extreme, mean;
};
// Positions of the crest vertices bent about the x axis through a pivot below them, so that
// the shifts come out as `sway` asks; x is kept, the rest of the mesh is not touched.
std::vector<P3> swayCrest(const std::vector<P3>& points, const Piece& crest, Sway sway);
