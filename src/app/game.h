// The running game: the world, its looks and its music, and the platform services through
// which it applies what the world's advance reports (sound effects, the pause after a lost
// life, the name entry for a new best score).
//
// The main window owns one Game. Its start-up keeps a fixed order, because each step may
// report a missing file and the messages come in that order: the GL state and the camera,
// the best scores, the board's pictures, the Hero's, the font, the music, the enemies'
// picture, the title picture, the hidden cursor. When it goes it shows the cursor again and
// saves the best scores.
#pragma once

#include "app/frame.h"
#include "music/music_dialog.h"
#include "world/game_state.h"

namespace platform {
class Dialog;
}

class Game {
public:
    Game() = default;
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // mainWindow owns the music's host window.
    void init(platform::Dialog& mainWindow);
    // The client area is now width x height: the viewport, the fixed GL state and the
    // camera, placed twice as every scene set-up does.
    void resize(int width, int height);

    // The keyboard filter's key-down and key-up actions for one virtual-key code.
    void keyDown(int virtualKey);
    void keyUp(int virtualKey);
    // One 25 ms timer call: the world advances, then its frame is drawn and presented. While
    // paused the world stands still and the same frame shows, marked "Paused".
    void tick();
    // The window gained or lost the keyboard focus, or was minimised or restored.
    void setFocused(bool focused) { focused_ = focused; }
    void setMinimised(bool minimised) { minimised_ = minimised; }
    // Play stops while the player looks away; the title and game-over screens go on.
    bool paused() const { return (!focused_ || minimised_) && world.screen == Screen::Play; }
    // Offers the final score to the best list: a score that earns a place asks for the
    // player's name in a modal dialog, during which the timer calls go on.
    void enterBestScore();

    GameState world;
    Looks looks;
    MusicDialog music;

private:
    void holdMusicWhilePaused();
    void setUpScene();
    void playSound(const char* fileName) const;
    void loseLife();

    bool focused_ = true;
    bool minimised_ = false;
};
