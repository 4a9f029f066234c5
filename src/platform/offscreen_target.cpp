// The framebuffer-object drawing target; see offscreen_target.h.
#include "platform/offscreen_target.h"

#include "platform/gl_framebuffers.h"

namespace platform::offscreen {

namespace {

struct Target {
    const FramebufferFunctions* gl = nullptr;
    GLuint framebuffer = 0;
    GLuint colour = 0, depth = 0;
    GLsync lastFrame = nullptr; // the fence after the frame still in flight
};

Target& target() {
    static Target t;
    return t;
}

void allocate(int width, int height) {
    const FramebufferFunctions& gl = *target().gl;
    gl.bindRenderbuffer(GL_RENDERBUFFER, target().colour);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    gl.bindRenderbuffer(GL_RENDERBUFFER, target().depth);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    gl.bindRenderbuffer(GL_RENDERBUFFER, 0);
}

} // namespace

bool Create(int width, int height) {
    Target& t = target();
    t.gl = Framebuffers();
    if (!t.gl)
        return false;
    t.gl->genFramebuffers(1, &t.framebuffer);
    t.gl->genRenderbuffers(1, &t.colour);
    t.gl->genRenderbuffers(1, &t.depth);
    allocate(width, height);
    t.gl->bindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
    t.gl->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, t.colour);
    t.gl->framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                  t.depth);
    if (t.gl->checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        Release();
        return false;
    }
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    // A new context's viewport is its window surface's size, which here is not the client
    // size: start as a window of the client size would.
    glViewport(0, 0, width, height);
    return true;
}

void Resize(int width, int height) {
    if (Active() && width > 0 && height > 0)
        allocate(width, height);
}

void EndFrame() {
    Target& t = target();
    if (!Active())
        return;
    if (t.lastFrame) {
        t.gl->clientWaitSync(t.lastFrame, GL_SYNC_FLUSH_COMMANDS_BIT, GL_TIMEOUT_IGNORED);
        t.gl->deleteSync(t.lastFrame);
    }
    t.lastFrame = t.gl->fenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    glFlush();
}

void Release() {
    Target& t = target();
    if (t.lastFrame)
        t.gl->deleteSync(t.lastFrame);
    if (t.framebuffer) {
        t.gl->bindFramebuffer(GL_FRAMEBUFFER, 0);
        t.gl->deleteFramebuffers(1, &t.framebuffer);
        t.gl->deleteRenderbuffers(1, &t.colour);
        t.gl->deleteRenderbuffers(1, &t.depth);
    }
    t = Target{};
}

bool Active() {
    return target().framebuffer != 0;
}

} // namespace platform::offscreen
