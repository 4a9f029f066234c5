// The program: the one application object runs the game.
#include "app/game_app.h"

GameApp theApp;

int main(int argc, char** argv) {
    return theApp.Run(argc, argv);
}
