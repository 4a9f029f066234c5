#include "app/game_app.h"

#include "app/data_folder.h"
#include "app/game_dialog.h"
#include "platform/system.h"
#include "resources/about_texts.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path runningProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

} // namespace

// An installed game first moves into the player's own data folder. The dialog is destroyed
// on return, and with it the game state: the cursor comes back and the best scores are saved.
bool GameApp::InitInstance() {
    std::string problem = enterDataFolder(runningProgram());
    if (!problem.empty())
        platform::MessageBox(problem.c_str(), APP_NAME);
    GameDialog dialog;
    dialog.DoModal();
    return false;
}
