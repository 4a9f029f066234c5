// The scaled scene target; see scene_target.h. Its colour and depth-stencil renderbuffers
// are made at the first scaled scene and follow its size; a run at scale 1 never makes them.
#include "platform/scene_target.h"

#include "platform/application.h"
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
    GLuint framebuffer = 0, colour = 0, depth = 0;
    int width = 0, height = 0;   // of the renderbuffers
    bool drawing = false;        // between BeginScene and EndScene at a scale below 1
    bool drawnThisFrame = false; // a scene since the last busy time noted
    GLint viewport[4] = {};      // the frame's own
    GLint frameTarget = 0;       // the framebuffer the frame is drawn into
};

Scene& scene() {
    static Scene state;
    return state;
}

bool makeTarget(const FramebufferFunctions& gl, Scene& s, int width, int height) {
    if (!s.framebuffer) {
        gl.genFramebuffers(1, &s.framebuffer);
        gl.genRenderbuffers(1, &s.colour);
        gl.genRenderbuffers(1, &s.depth);
    }
    if (s.width != width || s.height != height) {
        gl.bindRenderbuffer(GL_RENDERBUFFER, s.colour);
        gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        gl.bindRenderbuffer(GL_RENDERBUFFER, s.depth);
        gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
        gl.bindRenderbuffer(GL_RENDERBUFFER, 0);
        s.width = width;
        s.height = height;
    }
    gl.bindFramebuffer(GL_FRAMEBUFFER, s.framebuffer);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, s.colour);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                               s.depth);
    return gl.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

// Stretches the scene target over the rectangle (x, y, width, height) of the frame's target
// with linear filtering, and leaves the frame's target bound.
void stretch(const FramebufferFunctions& gl, const Scene& s, GLuint frameTarget, int x, int y,
             int width, int height) {
    gl.bindFramebuffer(GL_READ_FRAMEBUFFER, s.framebuffer);
    gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, frameTarget);
    gl.blitFramebuffer(0, 0, s.width, s.height, x, y, x + width, y + height, GL_COLOR_BUFFER_BIT,
                       GL_LINEAR);
    gl.bindFramebuffer(GL_FRAMEBUFFER, frameTarget);
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
        s.drawing = makeTarget(*gl, s, width, height);
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
    stretch(*Framebuffers(), s, GLuint(s.frameTarget), v[0], v[1], v[2], v[3]);
    glViewport(v[0], v[1], v[2], v[3]);
    s.drawing = false;
}

// The first stretch costs software GL 40 ms of building code for it; a stretch of a few
// pixels into the corner of the frame's target, which every frame covers, takes that cost
// while loading. A fixed scale of 1 never stretches and skips it.
void PrepareSceneStretch() {
    Scene& s = scene();
    const FramebufferFunctions* gl = Framebuffers();
    if (!gl || (!s.scale.automatic() && s.scale.scale() == 1.0f))
        return;
    constexpr int SIZE = 3; // not a power of two, as no scaled scene is
    GLint frameTarget = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &frameTarget);
    if (makeTarget(*gl, s, SIZE, SIZE)) {
        glClear(GL_COLOR_BUFFER_BIT);
        stretch(*gl, s, GLuint(frameTarget), 0, 0, 2 * SIZE, 2 * SIZE);
    } else {
        gl->bindFramebuffer(GL_FRAMEBUFFER, GLuint(frameTarget));
    }
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
