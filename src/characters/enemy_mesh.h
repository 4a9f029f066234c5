// The Enemy's mesh, compiled in from a table the mesh generator writes at build time.
//
// The model stands on its own z = 0 plane centred on its local z axis, so an Enemy's position
// is the centre of its base; it faces +x. Its texture coordinates (u, v) unroll the dome as
// seen from above, the picture's top towards the front; v runs a little past [0, 1] at the
// front and back of the skirt, where the texture's clamped edge shows.
#pragma once

#include "characters/mesh_table.h"

constexpr int ENEMY_VERTEX_COUNT = 319;
constexpr int ENEMY_TRIANGLE_COUNT = 626;

extern const MeshTable ENEMY_MESH;
