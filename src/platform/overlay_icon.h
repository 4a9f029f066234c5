// The dialogs' icon: the game's apple as 16 x 16 pixel art, drawn from quads scaled to the
// largest whole multiple of 16 pixels that fits the rectangle, at its top-left corner.
// GL state touched: current colour.
#pragma once

#include "platform/dialog.h"

namespace platform {

void DrawAppleIcon(const Rect& area);

} // namespace platform
