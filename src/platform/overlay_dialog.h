// A dialog drawn over the game's frame as a desktop window: a raised frame, a caption bar
// with the caption and a close box, and a body of the template's size in which the
// controls sit at their template positions. All sizes are pixels, y grows downward; the
// whole box is centred in the window.
#pragma once

#include "platform/dialog.h"
#include "platform/overlay_font.h"

namespace platform {

struct DialogLayout {
    Rect frame;    // the whole box
    Rect caption;  // the caption bar
    Rect closeBox; // the close button in the caption bar
    Rect body;     // the template's area; controls are placed relative to its top-left
};

DialogLayout LayoutDialog(const DialogTemplate& dialogTemplate, int windowWidth, int windowHeight);

// Draws the dialog. `active` marks the topmost dialog: its caption is lit and its edit
// field shows the caret when caretVisible and, once a pad has edited it, the letter the
// pad changes lit.
void DrawDialogBox(const Dialog& dialog, const DialogLayout& layout, const UiFonts& fonts,
                   bool active, bool caretVisible);

} // namespace platform
