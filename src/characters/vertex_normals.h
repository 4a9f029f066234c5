// Per-vertex normals for sphere mapping, built once from a mesh's triangles.
//
// Each normal is the average of the normals of the faces around the vertex, weighted by the
// vertex's corner angle in each face, then scaled to length 2 (the drawing feeds them to
// OpenGL as they are, with normalisation off). Face normals follow the tables' winding:
// (pc - pa) x (pb - pa) for corners a, b, c, which points out of the meshes we ship.
#pragma once

#include "characters/mesh_table.h"
#include "math/vec_math.h"

#include <vector>

// Replaces normals by vertexCount entries; a vertex used by no triangle gets (0, 0, 0).
void buildVertexNormals(const MeshTriangle* triangles, int triangleCount,
                        const MeshVertex* vertices, int vertexCount, std::vector<Vec3>& normals);
