// make_meshes OUTPUT_DIR: builds the Hero, Enemy and apple shapes and writes their tables
// as mesh_hero_data.cpp, mesh_enemy_data.cpp and mesh_apple_data.cpp into OUTPUT_DIR.
#include "shapes.h"
#include "table_writer.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool save(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (file.flush())
        return true;
    std::fprintf(stderr, "make_meshes: cannot write %s\n", path.c_str());
    return false;
}

std::string heroSource() {
    HeroShape hero = buildHero();
    std::ostringstream out;
    writeHeader(out, "The Hero's three poses", "characters/hero_mesh.h");
    for (int pose = 0; pose < 3; ++pose)
        writeVertices(out, "POSE_" + std::to_string(pose), hero.poses[pose], hero.mesh.texture,
                      "HERO_VERTEX_COUNT");
    writeTriangles(out, "TRIANGLES", hero.mesh.triangles, "HERO_TRIANGLE_COUNT");
    out << "} // namespace\n\nextern const MeshTable HERO_POSES[HERO_POSE_COUNT] = {\n";
    for (int pose = 0; pose < 3; ++pose)
        out << "    {POSE_" << pose << ", HERO_VERTEX_COUNT, TRIANGLES, HERO_TRIANGLE_COUNT},\n";
    out << "};\n";
    return out.str();
}

std::string enemySource() {
    ShapeMesh enemy = buildEnemy();
    std::ostringstream out;
    writeHeader(out, "The Enemy's mesh", "characters/enemy_mesh.h");
    writeVertices(out, "VERTICES", enemy.points, enemy.texture, "ENEMY_VERTEX_COUNT");
    writeTriangles(out, "TRIANGLES", enemy.triangles, "ENEMY_TRIANGLE_COUNT");
    out << "} // namespace\n\nextern const MeshTable ENEMY_MESH = {VERTICES, ENEMY_VERTEX_COUNT, "
           "TRIANGLES, ENEMY_TRIANGLE_COUNT};\n";
    return out.str();
}

std::string appleSource() {
    auto parts = buildApple();
    const char* names[4] = {"BODY", "LIGHT_LEAF", "DARK_LEAF", "STALK"};
    const char* counts[4][2] = {{"APPLE_BODY_VERTEX_COUNT", "APPLE_BODY_TRIANGLE_COUNT"},
                                {"APPLE_LEAF_VERTEX_COUNT", "APPLE_LEAF_TRIANGLE_COUNT"},
                                {"APPLE_LEAF_VERTEX_COUNT", "APPLE_LEAF_TRIANGLE_COUNT"},
                                {"APPLE_STALK_VERTEX_COUNT", "APPLE_STALK_TRIANGLE_COUNT"}};
    std::ostringstream out;
    writeHeader(out, "The four parts of an apple", "characters/apple_mesh.h");
    for (int i = 0; i < 4; ++i) {
        std::string name = names[i];
        writeVertices(out, name + "_VERTICES", parts[i].points, parts[i].texture, counts[i][0]);
        writeTriangles(out, name + "_TRIANGLES", parts[i].triangles, counts[i][1]);
    }
    out << "} // namespace\n\nextern const MeshTable APPLE_MESHES[APPLE_PART_COUNT] = {\n";
    for (int i = 0; i < 4; ++i)
        out << "    {" << names[i] << "_VERTICES, " << counts[i][0] << ", " << names[i]
            << "_TRIANGLES, " << counts[i][1] << "},\n";
    out << "};\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_meshes OUTPUT_DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    bool ok = save(dir + "/mesh_hero_data.cpp", heroSource()) &&
              save(dir + "/mesh_enemy_data.cpp", enemySource()) &&
              save(dir + "/mesh_apple_data.cpp", appleSource());
    return ok ? 0 : 1;
}
