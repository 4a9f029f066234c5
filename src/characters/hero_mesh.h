// The Hero's three poses, compiled in from tables the mesh generator writes at build time.
//
// All poses share one vertex numbering, one index table and the same texture coordinates;
// they differ only in where the crest on the Hero's back stands: pose 0 upright, pose 1 swayed
// towards +y, pose 2 towards -y. The drawing switches poses by switching array pointers.
// Model origin: the Hero's position; the model faces +x with z up.
#pragma once

#include "characters/mesh_table.h"

constexpr int HERO_POSE_COUNT = 3;
constexpr int HERO_POSE_MIDDLE = 0; // crest upright; the normals are built from this pose
constexpr int HERO_POSE_PLUS_Y = 1;
constexpr int HERO_POSE_MINUS_Y = 2;

constexpr int HERO_VERTEX_COUNT = 4562;
constexpr int HERO_TRIANGLE_COUNT = 8469;
// The crest: the only vertices whose positions differ between poses.
constexpr int HERO_CREST_VERTEX_COUNT = 365;

extern const MeshTable HERO_POSES[HERO_POSE_COUNT];
