// The framebuffer-object drawing target; see offscreen_target.h. The entry points are not
// part of OpenGL 1.1, so they are looked up at run time.
#include "platform/offscreen_target.h"

#include <SDL.h>
#include <SDL_opengl.h>

namespace platform::offscreen {

namespace {

struct Functions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
    PFNGLFENCESYNCPROC fenceSync;
    PFNGLCLIENTWAITSYNCPROC clientWaitSync;
    PFNGLDELETESYNCPROC deleteSync;
};

struct Target {
    Functions gl{};
    GLuint framebuffer = 0;
    GLuint colour = 0, depth = 0;
    GLsync lastFrame = nullptr; // the fence after the frame still in flight
};

Target& target() {
    static Target t;
    return t;
}

template <typename F> bool load(F& function, const char* name) {
    function = reinterpret_cast<F>(SDL_GL_GetProcAddress(name));
    return function != nullptr;
}

bool loadFunctions(Functions& f) {
    return load(f.genFramebuffers, "glGenFramebuffers") &&
           load(f.bindFramebuffer, "glBindFramebuffer") &&
           load(f.deleteFramebuffers, "glDeleteFramebuffers") &&
           load(f.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
           load(f.checkFramebufferStatus, "glCheckFramebufferStatus") &&
           load(f.genRenderbuffers, "glGenRenderbuffers") &&
           load(f.bindRenderbuffer, "glBindRenderbuffer") &&
           load(f.deleteRenderbuffers, "glDeleteRenderbuffers") &&
           load(f.renderbufferStorage, "glRenderbufferStorage") &&
           load(f.fenceSync, "glFenceSync") && load(f.clientWaitSync, "glClientWaitSync") &&
           load(f.deleteSync, "glDeleteSync");
}

void allocate(int width, int height) {
    const Functions& gl = target().gl;
    gl.bindRenderbuffer(GL_RENDERBUFFER, target().colour);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    gl.bindRenderbuffer(GL_RENDERBUFFER, target().depth);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    gl.bindRenderbuffer(GL_RENDERBUFFER, 0);
}

} // namespace

bool Create(int width, int height) {
    Target& t = target();
    if (!loadFunctions(t.gl))
        return false;
    t.gl.genFramebuffers(1, &t.framebuffer);
    t.gl.genRenderbuffers(1, &t.colour);
    t.gl.genRenderbuffers(1, &t.depth);
    allocate(width, height);
    t.gl.bindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
    t.gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, t.colour);
    t.gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, t.depth);
    if (t.gl.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
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
        t.gl.clientWaitSync(t.lastFrame, GL_SYNC_FLUSH_COMMANDS_BIT, GL_TIMEOUT_IGNORED);
        t.gl.deleteSync(t.lastFrame);
    }
    t.lastFrame = t.gl.fenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    glFlush();
}

void Release() {
    Target& t = target();
    if (t.lastFrame)
        t.gl.deleteSync(t.lastFrame);
    if (t.framebuffer) {
        t.gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
        t.gl.deleteFramebuffers(1, &t.framebuffer);
        t.gl.deleteRenderbuffers(1, &t.colour);
        t.gl.deleteRenderbuffers(1, &t.depth);
    }
    t = Target{};
}

bool Active() {
    return target().framebuffer != 0;
}

} // namespace platform::offscreen
