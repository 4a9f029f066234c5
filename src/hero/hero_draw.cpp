// Drawing the Hero: the model at its place and the height its last frame gave it, turned by
// its orientation (row-major, row 0 the heading, handed to glMultMatrixf as stored), then
// its shadow. World units, z up.
#include "hero/hero_draw.h"

#include "characters/hero_mesh.h"
#include "characters/mesh_draw.h"
#include "characters/vertex_normals.h"
#include "hero/hero.h"
#include "images/texture_upload.h"

#include <GL/gl.h>

#include <cstdlib>

namespace {

constexpr double SHADOW_BOB_SCALE = 0.0625; // five times the model's 0.0125 per phase
constexpr float ALPHA_THRESHOLD = 0.0001f;

// Near the middle of the bob the crest leans to +y, on the way it stands upright, near the
// top and bottom it leans to -y.
const MeshTable& poseFor(int phase) {
    int size = std::abs(phase);
    if (size <= 2)
        return HERO_POSES[HERO_POSE_PLUS_Y];
    if (size <= 6)
        return HERO_POSES[HERO_POSE_MIDDLE];
    return HERO_POSES[HERO_POSE_MINUS_Y];
}

void drawModel(const Hero& hero, const HeroLook& look) {
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, look.heroTexture);
    glColor3f(1, 1, 0);
    glPushMatrix();
    glTranslatef(hero.position.x, hero.position.y, hero.modelHeight);
    glMultMatrixf(hero.orientation.m);

    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glShadeModel(GL_FLAT);
    glNormalPointer(GL_FLOAT, 0, look.normals.data());
    const MeshTable& pose = poseFor(hero.bobPhase);
    glTexCoordPointer(2, GL_FLOAT, sizeof(MeshVertex), &pose.vertices[0].u);
    drawMesh(pose);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
}

void drawShadow(const Hero& hero, GLuint texture) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, ALPHA_THRESHOLD);
    glEnable(GL_ALPHA_TEST);
    glPushMatrix();
    glTranslatef(hero.position.x, hero.position.y, 0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(0.7f, 0.9f, 0.1f, 0.99f);
    float h = float(hero.bobPhase * SHADOW_BOB_SCALE + hero.position.z + 0.1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0.5f, 0.5f, h);
    glTexCoord2f(1, 0);
    glVertex3f(0.5f, -0.5f, h);
    glTexCoord2f(1, 1);
    glVertex3f(-0.5f, -0.5f, h);
    glTexCoord2f(0, 1);
    glVertex3f(-0.5f, 0.5f, h);
    glEnd();
    glPopMatrix();
}

} // namespace

// Sphere-mapped texture coordinates are texture-unit state: set once, they stay for the run
// and take effect whenever generation is enabled (only while the Hero is drawn).
HeroLook loadHeroLook() {
    HeroLook look;
    const MeshTable& pose = HERO_POSES[HERO_POSE_MIDDLE];
    buildVertexNormals(pose.triangles, pose.triangleCount, pose.vertices, pose.vertexCount,
                       look.normals);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnable(GL_TEXTURE_2D);
    look.shadowTexture = loadShadowTexture("Shadow.bmp");
    look.heroTexture = loadSphereMapTexture("Hero.bmp");
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    return look;
}

void drawHero(const Hero& hero, const HeroLook& look) {
    drawModel(hero, look);
    drawShadow(hero, look.shadowTexture);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
}
