// A game brought up as start-up does, minus the window, the music and the cursor: a headless
// GL context, the game's data copied from the build's run folder into a fresh temporary
// working directory (best scores are saved there when the game ends), then the board, the
// Hero, the font, the enemies and the title picture.
#pragma once

#include "app/game.h"

#include <memory>

namespace apptest {

// Makes the context and the working directory once per test program.
void enterGameFolder();

// A started game at the given viewport size, on the title screen.
std::unique_ptr<Game> startGame(int width, int height);

} // namespace apptest
