// Everything the platform draws over the game's frame: the visible dialogs bottom to top,
// then the system menu. It runs between the game's last drawing call and the swap, so it
// saves all OpenGL state it could disturb (server and client attribute stacks, projection
// and modelview matrices) and draws in window pixels: an orthographic projection with the
// origin at the top-left corner and y growing downward, no depth test, no texturing, no
// lighting, no blending. Dialog and menu text use the overlay fonts' own display lists,
// never the game's lists 1000..1254.
#include "platform/overlay.h"

#include "platform/overlay_dialog.h"
#include "platform/overlay_font.h"
#include "platform/overlay_menu.h"

#include <GL/gl.h>

#include <cassert>

namespace platform {

namespace {

// Saves the game's state and sets the overlay's; the destructor gives the game its state
// back exactly (matrix mode, list base, current colour and raster position included).
class PixelDrawingScope {
public:
    PixelDrawingScope(int width, int height) {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0, width, height, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glViewport(0, 0, width, height);
        for (const GLenum capability :
             {GL_DEPTH_TEST, GL_TEXTURE_1D, GL_TEXTURE_2D, GL_LIGHTING, GL_BLEND, GL_ALPHA_TEST,
              GL_FOG, GL_CULL_FACE, GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_COLOR_LOGIC_OP,
              GL_POLYGON_STIPPLE, GL_COLOR_MATERIAL})
            glDisable(capability);
        glShadeModel(GL_SMOOTH);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    }
    ~PixelDrawingScope() {
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glPopClientAttrib();
        glPopAttrib();
    }
    PixelDrawingScope(const PixelDrawingScope&) = delete;
    PixelDrawingScope& operator=(const PixelDrawingScope&) = delete;
};

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
    const PixelDrawingScope scope(view.width, view.height);
    const UiFonts& fonts = GetUiFonts();
    DrawDialogs(view, fonts);
    if (view.menu)
        DrawMenu(*view.menu, LayoutMenu(*view.menu, fonts.regular), fonts.regular);
}

} // namespace platform
