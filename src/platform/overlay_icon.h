// The dialogs' icon: the application icon the main window was given (the window icon), drawn
// pixel for pixel as quads scaled by the largest whole factor that fits the rectangle, at
// its top-left corner. Pixels at least half transparent are left out; nothing is drawn
// before the window has an icon. GL state touched: current colour.
#pragma once

#include "platform/dialog.h"

namespace platform {

void DrawAppIcon(const Rect& area);

} // namespace platform
