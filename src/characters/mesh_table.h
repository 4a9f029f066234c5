// The record and index layout shared by every compiled-in mesh (Hero, Enemy, apples).
//
// A MeshTable is two constant arrays drawn in place as OpenGL vertex arrays: the vertex
// records give the vertex array (3 floats at offset 0, stride 24 bytes) and the texture
// coordinate array (2 floats at offset 12, same stride); the triangles are the index array
// for glDrawElements(GL_TRIANGLES, 3 * triangleCount, GL_UNSIGNED_INT, ...). Positions are
// model coordinates in world units with z up and the model facing +x. The tables are owned by
// the program image: never written, never freed.
#pragma once

#include <cstddef>
#include <cstdint>

struct MeshVertex {
    float x, y, z; // position
    float u, v;    // texture coordinates
    float w;       // third texture coordinate; kept with the record, read by nothing
};

struct MeshTriangle {
    std::uint32_t a, b, c; // corner indices into the vertex table
};

// OpenGL reads the records with fixed strides and offsets, so the layout is part of the format.
static_assert(sizeof(MeshVertex) == 24, "six packed 32-bit floats");
static_assert(offsetof(MeshVertex, u) == 12, "texture coordinates start 12 bytes in");
static_assert(sizeof(MeshTriangle) == 12, "three packed 32-bit indices");

struct MeshTable {
    const MeshVertex* vertices;
    int vertexCount;
    const MeshTriangle* triangles;
    int triangleCount;
};
