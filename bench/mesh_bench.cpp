// The cost of choosing which of the Hero's triangles to hand the driver, as each frame's
// drawing does: the Hero three units from the eye in a 64x64 window (about 24 pixels
// across, where most triangles fall between pixel centres and each is tested) and in a
// 1280x720 one (where the mesh is large on screen and only a sample of corners is
// projected). The camera looks along -z at the Hero standing in the picture's middle.
#include "characters/covering_triangles.h"
#include "characters/hero_mesh.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// gluPerspective(45, aspect, 0.1, 100) and a move of three units away, in the layout
// glGetFloatv returns.
MeshView heroView(int width, int height) {
    MeshView view;
    matIdentity(view.modelView);
    view.modelView.at(3, 2) = -3;
    const double f = 1 / std::tan(M_PI / 8), nearZ = 0.1, farZ = 100;
    matIdentity(view.projection);
    view.projection.at(0, 0) = float(f * height / width);
    view.projection.at(1, 1) = float(f);
    view.projection.at(2, 2) = float((farZ + nearZ) / (nearZ - farZ));
    view.projection.at(2, 3) = -1;
    view.projection.at(3, 2) = float(2 * farZ * nearZ / (nearZ - farZ));
    view.projection.at(3, 3) = 0;
    view.viewport[2] = width;
    view.viewport[3] = height;
    return view;
}

void chooseHeroTriangles(benchmark::State& state) {
    const MeshView view = heroView(int(state.range(0)), int(state.range(1)));
    const MeshTable& hero = HERO_POSES[HERO_POSE_MIDDLE];
    std::vector<WindowPoint> corners(hero.vertexCount);
    std::vector<MeshTriangle> kept(hero.triangleCount);
    int drawn = 0;
    for (auto _ : state) {
        drawn = isLargeOnScreen(hero, view) ? hero.triangleCount
                                            : selectCoveringTriangles(hero, view, corners, kept);
        benchmark::DoNotOptimize(drawn);
    }
    state.counters["kept_share"] = double(drawn) / hero.triangleCount;
}
BENCHMARK(chooseHeroTriangles)->Args({64, 64})->Args({1280, 720});

} // namespace
