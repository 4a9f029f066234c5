// Drawing only the triangles that can give a pixel, on the real software rasteriser: for the
// Hero, an Enemy and an apple seen from near and far and from several sides, every pixel's
// colour and depth are what drawing every triangle gives, while from afar most triangles
// are left out; into a multisampled picture every triangle is drawn.
#include "characters/apple_mesh.h"
#include "characters/covering_triangles.h"
#include "characters/enemy_mesh.h"
#include "characters/hero_mesh.h"
#include "characters/mesh_draw.h"
#include "support/headless_gl.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int SIZE = 64;

struct Picture {
    std::vector<unsigned char> colour;
    std::vector<float> depth;
};

// Smoothly shaded in a random colour per vertex, so that a pixel shows which triangle won
// it and how the driver interpolated there.
std::vector<unsigned char> vertexColours(const MeshTable& mesh) {
    std::mt19937 random(mesh.vertexCount);
    std::uniform_int_distribution<int> byte(40, 255);
    std::vector<unsigned char> colours(3 * mesh.vertexCount);
    for (unsigned char& c : colours)
        c = static_cast<unsigned char>(byte(random));
    return colours;
}

// The eye distance away along (cos a cos 0.4, sin a cos 0.4, sin 0.4) from the model's
// middle, looking at it, z up.
void look(double distance, double angle, float middleZ) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 1, 0.05, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const double flat = distance * std::cos(0.4);
    gluLookAt(flat * std::cos(angle), flat * std::sin(angle), middleZ + distance * std::sin(0.4), 0,
              0, middleZ, 0, 0, 1);
}

// The given triangles of the mesh as they are, without any choosing.
void drawTriangles(const MeshTable& mesh, const MeshTriangle* triangles, int count) {
    glVertexPointer(3, GL_FLOAT, sizeof(MeshVertex), mesh.vertices);
    glDrawElements(GL_TRIANGLES, 3 * count, GL_UNSIGNED_INT, triangles);
}

Picture draw(const MeshTable& mesh, const std::vector<unsigned char>& colours, bool everyTriangle) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, colours.data());
    if (everyTriangle) {
        drawTriangles(mesh, mesh.triangles, mesh.triangleCount);
    } else {
        drawMesh(mesh);
    }
    Picture p{std::vector<unsigned char>(4 * SIZE * SIZE), std::vector<float>(SIZE * SIZE)};
    glReadPixels(0, 0, SIZE, SIZE, GL_RGBA, GL_UNSIGNED_BYTE, p.colour.data());
    glReadPixels(0, 0, SIZE, SIZE, GL_DEPTH_COMPONENT, GL_FLOAT, p.depth.data());
    return p;
}

int keptUnderCurrentView(const MeshTable& mesh) {
    std::vector<WindowPoint> corners(mesh.vertexCount);
    std::vector<MeshTriangle> kept(mesh.triangleCount);
    return selectCoveringTriangles(mesh, currentMeshView(), corners, kept);
}

int differingPixels(const Picture& a, const Picture& b) {
    int differing = 0;
    for (int i = 0; i < SIZE * SIZE; ++i)
        differing += a.depth[i] != b.depth[i] ||
                     !std::equal(&a.colour[4 * i], &a.colour[4 * i + 4], &b.colour[4 * i]);
    return differing;
}

int litPixels(const Picture& p) {
    int lit = 0;
    for (int i = 0; i < SIZE * SIZE; ++i)
        lit += p.colour[4 * i] || p.colour[4 * i + 1] || p.colour[4 * i + 2];
    return lit;
}

struct Model {
    const char* name;
    const MeshTable& mesh;
    float middleZ;
    double near, far;     // eye distances: filling much of the window, and a few pixels across
    double farKeepsUnder; // the share of the triangles kept from afar stays below this
};

TEST(MeshDrawing, GivesTheSamePixelsAsEveryTriangleAndLeavesMostOutFromAfar) {
    ASSERT_TRUE(testsupport::makeHeadlessGlContext(SIZE, SIZE));
    glViewport(0, 0, SIZE, SIZE);
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    const Model models[] = {{"hero", HERO_POSES[HERO_POSE_MIDDLE], 0.3f, 1.5, 14, 0.25},
                            {"enemy", ENEMY_MESH, 0.0f, 1.5, 9, 0.5},
                            {"apple", APPLE_MESHES[APPLE_BODY], 0.0f, 0.3, 4, 0.75}};
    for (const Model& model : models) {
        const std::vector<unsigned char> colours = vertexColours(model.mesh);
        for (double distance : {model.near, (model.near + model.far) / 2, model.far})
            for (double angle : {0.3, 1.9, 3.6, 5.1}) {
                SCOPED_TRACE(testing::Message()
                             << model.name << " at " << distance << ", angle " << angle);
                look(distance, angle, model.middleZ);
                const Picture every = draw(model.mesh, colours, true);
                const Picture covering = draw(model.mesh, colours, false);
                ASSERT_GT(litPixels(every), 4) << "the model must be in view";
                EXPECT_EQ(differingPixels(covering, every), 0);
                if (distance == model.far) {
                    EXPECT_LT(keptUnderCurrentView(model.mesh),
                              model.farKeepsUnder * model.mesh.triangleCount);
                }
            }
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

// Renders into a 4-sample framebuffer, resolved into a plain one for reading: samples off
// the pixel centres see triangles that cover none, so every triangle must be drawn there.
class Multisampled {
public:
    Multisampled() {
        glGenFramebuffers(2, framebuffers);
        glGenRenderbuffers(3, renderbuffers);
        attach(framebuffers[0], renderbuffers[0], renderbuffers[1], 4);
        attach(framebuffers[1], renderbuffers[2], 0, 0);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffers[0]);
    }
    ~Multisampled() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(3, renderbuffers);
        glDeleteFramebuffers(2, framebuffers);
    }
    bool complete() const { return isComplete; }

    // Clears, lets draw() draw, resolves the samples and reads the colours back.
    template <typename Draw> std::vector<unsigned char> colours(Draw draw) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        draw();
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffers[0]);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffers[1]);
        glBlitFramebuffer(0, 0, SIZE, SIZE, 0, 0, SIZE, SIZE, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffers[1]);
        std::vector<unsigned char> read(4 * SIZE * SIZE);
        glReadPixels(0, 0, SIZE, SIZE, GL_RGBA, GL_UNSIGNED_BYTE, read.data());
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffers[0]);
        return read;
    }

private:
    void attach(GLuint framebuffer, GLuint colour, GLuint depth, int samples) {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, SIZE, SIZE);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
        if (depth) {
            glBindRenderbuffer(GL_RENDERBUFFER, depth);
            glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, SIZE,
                                             SIZE);
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
        }
        isComplete =
            isComplete && glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }

    GLuint framebuffers[2] = {}, renderbuffers[3] = {};
    bool isComplete = true;
};

// The Hero from afar in a 4-sample picture: drawing only the triangles that cover a pixel
// centre would change it, so the mesh is drawn whole and the picture is as before.
TEST(MeshDrawing, DrawsEveryTriangleIntoAMultisampledPicture) {
    ASSERT_TRUE(testsupport::makeHeadlessGlContext(SIZE, SIZE));
    Multisampled target;
    ASSERT_TRUE(target.complete());
    glViewport(0, 0, SIZE, SIZE);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    const MeshTable& hero = HERO_POSES[HERO_POSE_MIDDLE];
    const std::vector<unsigned char> colours = vertexColours(hero);
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, colours.data());
    look(14, 1.9, 0.3f);
    std::vector<WindowPoint> corners(hero.vertexCount);
    std::vector<MeshTriangle> covering(hero.triangleCount);
    const int count = selectCoveringTriangles(hero, currentMeshView(), corners, covering);
    const std::vector<unsigned char> every =
        target.colours([&] { drawTriangles(hero, hero.triangles, hero.triangleCount); });
    EXPECT_NE(target.colours([&] { drawTriangles(hero, covering.data(), count); }), every)
        << "the samples must see the triangles between pixel centres";
    EXPECT_EQ(target.colours([&] { drawMesh(hero); }), every);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

} // namespace
