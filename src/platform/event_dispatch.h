// Routing of one event to the windows. Keys go to the active dialog's PreTranslateMessage
// (the topmost visible modal dialog, else the main window), except:
//   - F12 saves the next presented frame as a screenshot and reaches no window;
//   - Alt and keys pressed with Alt held are system keys: Alt+F4 is a close request,
//     Alt+Space opens the system menu; key-ups still reach the dialog, so no held key is
//     left stuck by a release made while Alt was down;
//   - while the system menu is open it takes the key-downs (system_menu.h); a chosen item
//     reaches the main window as OnSysCommand(id), and a window item (Minimize, Close) is
//     then carried out.
//   - F11 and Alt+Return switch the main window between the borderless window over the
//     display and a window of its own (main_window.h);
// Pad input for the main window becomes its keys through the mapping of pad_keys.h; while
// another dialog is active, pad presses go to its PreTranslatePad. When the main window
// loses the focus or is minimised, every key it holds (keyboard or pad) gets its key-up
// first, then OnActivate(false) or OnMinimise(true) tells it; a repeated state changes
// nothing.
// Text goes only to a dialog other than the main window (typing outside a dialog does
// nothing). Size requests and size changes go to the main window; screenshots wait for the
// next presented frame; Quit is a close request.
#pragma once

#include "platform/event_source.h"

namespace platform {

void Dispatch(const Event& event);

} // namespace platform
