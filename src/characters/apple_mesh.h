// The four parts of an apple, compiled in from tables the mesh generator writes at build time.
//
// Positions are in world units around the apple's centre, the leaves and the stalk on its top
// (+z). Only the positions are drawn; the board colours each part itself.
#pragma once

#include "characters/mesh_table.h"

constexpr int APPLE_BODY = 0;
constexpr int APPLE_LIGHT_LEAF = 1;
constexpr int APPLE_DARK_LEAF = 2;
constexpr int APPLE_STALK = 3;
constexpr int APPLE_PART_COUNT = 4;

constexpr int APPLE_BODY_VERTEX_COUNT = 42;
constexpr int APPLE_BODY_TRIANGLE_COUNT = 80;
constexpr int APPLE_LEAF_VERTEX_COUNT = 15;
constexpr int APPLE_LEAF_TRIANGLE_COUNT = 16;
constexpr int APPLE_STALK_VERTEX_COUNT = 51;
constexpr int APPLE_STALK_TRIANGLE_COUNT = 98;

extern const MeshTable APPLE_MESHES[APPLE_PART_COUNT];
