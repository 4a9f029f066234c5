// The application object: one global instance runs the main window as a modal dialog and
// the program ends when that dialog ends.
#pragma once

#include "platform/application.h"

class GameApp : public platform::App {
protected:
    // Runs the main window to its end; false, so that no further message loop starts.
    bool InitInstance() override;
};
