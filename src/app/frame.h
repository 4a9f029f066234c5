// The picture of one timer call: the camera, then either the play screen (board, enemies,
// Hero, the four counters and the level banner) or the title screen (the title picture,
// with the best scores after a game), then the swap. Drawing reads the world and the looks
// and only issues GL.
//
// Text and the title picture are placed by window pixel (origin top-left, y downward)
// through the camera's pixelToWorld. Text comes from the font's display lists, one per
// byte: FONT_LIST_BASE + code for the Latin-1 codes 0 .. 254 (255 has none and draws
// nothing).
#pragma once

#include "board/board_draw.h"
#include "enemies/enemy_draw.h"
#include "hero/hero_draw.h"
#include "world/game_state.h"

#include <cstdint>

constexpr unsigned FONT_LIST_BASE = 1000;
constexpr int FONT_CODE_COUNT = 255;
constexpr int FONT_PIXEL_HEIGHT = 30;

// Everything the game's pictures are made of, owned by the GL context.
struct Looks {
    BoardLook board;
    HeroLook hero;
    EnemyLook enemies;
    uint32_t titleTexture = 0;
};

// The fixed state every drawing relies on: unpack alignment 1, decal texturing, the vertex
// array enabled, modelview current, depth test LEQUAL, smooth shading, the dark blue clear
// colour, lighting off. Drawing parts that change the texture environment put GL_DECAL back.
void setFixedGlState();

// Draws the frame of the screen `shown` (the one the frame began with), with "Paused"
// across its middle when the game is paused, and presents it.
void drawFrame(const GameState& world, Screen shown, const Looks& looks, bool paused);
