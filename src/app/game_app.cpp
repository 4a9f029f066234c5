#include "app/game_app.h"

#include "app/game_dialog.h"

// The dialog is destroyed on return, and with it the game state: the cursor comes back and
// the best scores are saved.
bool GameApp::InitInstance() {
    GameDialog dialog;
    dialog.DoModal();
    return false;
}
