// Drawing a compiled-in mesh under the current matrices and viewport.
//
// Unless it is large on screen or the picture is multisampled, only the triangles that can
// give a pixel go to the driver (see covering_triangles.h), and a mesh of which none can is
// not drawn at all. The caller has enabled the vertex array and set any other array it uses
// (texture coordinates, normals); this points the vertex array at the mesh's positions. The
// scratch lives on the stack, sized for the largest mesh we ship, so drawing allocates
// nothing.
#pragma once

#include "characters/covering_triangles.h"
#include "characters/mesh_table.h"

void drawMesh(const MeshTable& mesh);

// The model-view and projection matrices and the viewport in force, as drawMesh reads them.
MeshView currentMeshView();
