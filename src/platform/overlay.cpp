// Everything the platform draws over the game's frame: the visible dialogs bottom to top,
// then the system menu. It runs between the game's last drawing call and the swap, inside a
// FlatDrawingScope (flat_drawing.h), and draws in window pixels: an orthographic projection
// with the origin at the top-left corner and y growing downward. Dialog and menu text use the
// overlay fonts' own display lists, never the game's lists 1000..1254.
#include "platform/overlay.h"

#include "platform/flat_drawing.h"
#include "platform/overlay_dialog.h"
#include "platform/overlay_font.h"
#include "platform/overlay_menu.h"

#include <GL/gl.h>

#include <cassert>

namespace platform {

namespace {

bool Drawable(const Dialog* dialog) {
    return dialog && dialog->dialogTemplate() && dialog->dialogTemplate()->visible;
}

void DrawDialogs(const OverlayView& view, const UiFonts& fonts) {
    const Dialog* topmost = nullptr;
    for (const Dialog* dialog : view.dialogs)
        if (Drawable(dialog))
            topmost = dialog;
    for (const Dialog* dialog : view.dialogs) {
        if (!Drawable(dialog))
            continue;
        const DialogLayout layout =
            LayoutDialog(*dialog->dialogTemplate(), view.width, view.height);
        DrawDialogBox(*dialog, layout, fonts, dialog == topmost, view.caretVisible);
    }
}

} // namespace

void DrawOverlays(const OverlayView& view) {
    assert(view.width >= 0 && view.height >= 0);
    if ((view.dialogs.empty() && !view.menu) || view.width == 0 || view.height == 0)
        return;
    const FlatDrawingScope flat;
    glViewport(0, 0, view.width, view.height);
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, view.width, view.height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    const UiFonts& fonts = GetUiFonts();
    DrawDialogs(view, fonts);
    if (view.menu)
        DrawMenu(*view.menu, LayoutMenu(*view.menu, fonts.regular), fonts.regular);
}

} // namespace platform
