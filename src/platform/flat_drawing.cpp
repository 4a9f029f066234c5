#include "platform/flat_drawing.h"

#include <GL/gl.h>

#include <initializer_list>

namespace platform {

FlatDrawingScope::FlatDrawingScope() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (const GLenum capability :
         {GL_DEPTH_TEST, GL_STENCIL_TEST, GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_GEN_S,
          GL_TEXTURE_GEN_T, GL_LIGHTING, GL_BLEND, GL_ALPHA_TEST, GL_FOG, GL_CULL_FACE,
          GL_SCISSOR_TEST, GL_COLOR_LOGIC_OP, GL_POLYGON_STIPPLE, GL_COLOR_MATERIAL})
        glDisable(capability);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

FlatDrawingScope::~FlatDrawingScope() {
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

} // namespace platform
