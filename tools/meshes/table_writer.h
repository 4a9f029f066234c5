// Writes the generator's meshes as C++ source: constexpr arrays of MeshVertex and
// MeshTriangle records whose sizes the source itself checks against the declared counts.
//
// Positions and texture coordinates are rounded to float once and written in the shortest
// form that reads back as the same float.
#pragma once

#include "geometry.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

void writeHeader(std::ostream& out, const std::string& what, const std::string& include);
void writeVertices(std::ostream& out, const std::string& name, const std::vector<P3>& positions,
                   const std::vector<P3>& texture, const std::string& countName);
void writeTriangles(std::ostream& out, const std::string& name,
                    const std::vector<std::array<int, 3>>& triangles, const std::string& countName);
