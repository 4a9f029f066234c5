// The board's looks: its four textures and the drawing of one play frame of it.
//
// Drawing reads the board as the last board frame left it (clock, burst ages, apple
// wobbles) and only issues GL. It expects depth testing on, lighting off, the vertex array
// enabled and the stencil buffer cleared to 0; it leaves blending, alpha and stencil tests
// off, the decal environment in force and texturing on. Textures belong to the GL context
// and live as long as it.
#pragma once

#include <cstdint>

class Board;
class Camera;

struct BoardLook {
    uint32_t floorTexture = 0;     // "board.bmp": floor tiles
    uint32_t wallTexture = 0;      // "wood.bmp": the sides of a wall block
    uint32_t wallTopTexture = 0;   // "top.bmp": the top of a wall block
    uint32_t landscapeTexture = 0; // "LandScape.bmp": the background planes
};

// Reads the four pictures in the order wood, board, top, landscape. The first one that
// cannot be read shows its message; it and the ones after it are not made (their names
// stay 0) and the game plays on.
BoardLook loadBoardLook();

// Cells the camera cannot show are left out.
void drawBoard(const Board& board, const BoardLook& look, const Camera& camera);
