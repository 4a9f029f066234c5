// The Hero's looks: a sphere-mapped reflection ("Hero.bmp") tinted yellow on the pose the
// bob picks, lit by nothing, and a translucent shadow square ("Shadow.bmp", black
// transparent) that follows the bob five times as far.
//
// The vertex normals for the reflection are built once from the middle pose and serve all
// three; each is 2 long, fed to OpenGL as it is (normalisation off). Drawing reads the
// Hero as its last frame left it and only issues GL; it leaves flat shading in force (the
// scene never goes back to smooth), blending and alpha test off and the decal environment.
#pragma once

#include "math/vec_math.h"

#include <cstdint>
#include <vector>

class Hero;

struct HeroLook {
    uint32_t heroTexture = 0;
    uint32_t shadowTexture = 0;
    std::vector<Vec3> normals; // one per vertex of the Hero's meshes
};

// Builds the normals and reads both pictures; a picture that cannot be read has shown its
// message and gets a plain substitute.
HeroLook loadHeroLook();

void drawHero(const Hero& hero, const HeroLook& look);
