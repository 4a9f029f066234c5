// The scaled scene target; see scene_target.h. Its colour texture and depth-stencil
// renderbuffer are made at the first scaled scene and follow its size; a run at scale 1 never
// makes them. The stretch draws the texture over the frame as one quad: software GL would
// otherwise blit with code of its own, built at the first stretch (40 ms) and holding 3 MB.
#include "platform/scene_target.h"

#include "platform/application.h"
#include "platform/flat_drawing.h"
#include "platform/gl_framebuffers.h"
#include "platform/render_scale.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// A scene starts on a clear colour, depth and stencil (the board marks its walls in it).
constexpr GLbitfield SCENE_BUFFERS =
    GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;

struct Scene {
    RenderScale scale{Options().renderScale};
    GLuint framebuffer = 0, colour = 0, depth = 0; // colour: a texture; depth: a renderbuffer
    int width = 0, height = 0;                     // of the target
    bool complete = false;                         // the driver can draw into it
    bool drawing = false;        // between BeginScene and EndScene at a scale below 1
    bool drawnThisFrame = false; // a scene since the last busy time noted
    GLint viewport[4] = {};      // the frame's own
    GLint frameTarget = 0;       // the framebuffer the frame is drawn into
};

Scene& scene() {
    static Scene state;
    return state;
}

// The colour texture is sampled once per window pixel, linearly, never outside its edges.
GLuint makeColourTexture() {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return name;
}

// Makes the target's objects the first time, sizes and attaches them, and leaves the target
// bound and the game's texture binding as it was. False when the driver cannot draw into it.
bool sizeTarget(const FramebufferFunctions& gl, Scene& s, int width, int height) {
    GLint boundTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    if (!s.framebuffer) {
        gl.genFramebuffers(1, &s.framebuffer);
        s.colour = makeColourTexture();
        gl.genRenderbuffers(1, &s.depth);
    }
    glBindTexture(GL_TEXTURE_2D, s.colour);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, GLuint(boundTexture));
    gl.bindRenderbuffer(GL_RENDERBUFFER, s.depth);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    gl.bindRenderbuffer(GL_RENDERBUFFER, 0);
    gl.bindFramebuffer(GL_FRAMEBUFFER, s.framebuffer);
    gl.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, s.colour, 0);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                               s.depth);
    s.width = width;
    s.height = height;
    s.complete = gl.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    return s.complete;
}

// Binds the target at the given size; a frame of the size before only binds it.
bool bindTarget(const FramebufferFunctions& gl, Scene& s, int width, int height) {
    if (s.width != width || s.height != height)
        return sizeTarget(gl, s, width, height);
    gl.bindFramebuffer(GL_FRAMEBUFFER, s.framebuffer);
    return s.complete;
}

// Draws the scene's texture over the frame's own viewport in the frame's target as a quad
// from corner to corner of clip space, its texels replacing the pixels. Leaves the frame's
// target bound.
void stretch(const FramebufferFunctions& gl, const Scene& s) {
    gl.bindFramebuffer(GL_FRAMEBUFFER, GLuint(s.frameTarget));
    const FlatDrawingScope flat;
    glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, s.colour);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
}

} // namespace

void BeginScene() {
    Scene& s = scene();
    s.drawnThisFrame = true;
    const float factor = s.scale.scale();
    const FramebufferFunctions* gl = Framebuffers();
    glGetIntegerv(GL_VIEWPORT, s.viewport);
    const int width = std::max(1, int(std::lround(s.viewport[2] * factor)));
    const int height = std::max(1, int(std::lround(s.viewport[3] * factor)));
    s.drawing = factor < 1.0f && gl && s.viewport[2] > 1 && s.viewport[3] > 1;
    if (s.drawing) {
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &s.frameTarget);
        s.drawing = bindTarget(*gl, s, width, height);
        if (s.drawing)
            glViewport(0, 0, width, height);
        else
            gl->bindFramebuffer(GL_FRAMEBUFFER, GLuint(s.frameTarget));
    }
    glClear(SCENE_BUFFERS);
}

void EndScene() {
    Scene& s = scene();
    if (!s.drawing)
        return;
    const GLint* v = s.viewport;
    stretch(*Framebuffers(), s);
    glViewport(v[0], v[1], v[2], v[3]);
    s.drawing = false;
}

float SceneScale() {
    return scene().scale.scale();
}

// Only frames that drew a scene say anything about the scene's cost: a title screen is
// cheap at any scale.
void NoteFrameBusy(double milliseconds) {
    Scene& s = scene();
    if (s.drawnThisFrame)
        s.scale.noteFrame(milliseconds);
    s.drawnThisFrame = false;
}

} // namespace platform
