#include "platform/gl_framebuffers.h"

#include <SDL.h>

namespace platform {

namespace {

template <typename F> bool load(F& function, const char* name) {
    function = reinterpret_cast<F>(SDL_GL_GetProcAddress(name));
    return function != nullptr;
}

bool loadAll(FramebufferFunctions& f) {
    return load(f.genFramebuffers, "glGenFramebuffers") &&
           load(f.bindFramebuffer, "glBindFramebuffer") &&
           load(f.deleteFramebuffers, "glDeleteFramebuffers") &&
           load(f.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
           load(f.framebufferTexture2D, "glFramebufferTexture2D") &&
           load(f.checkFramebufferStatus, "glCheckFramebufferStatus") &&
           load(f.genRenderbuffers, "glGenRenderbuffers") &&
           load(f.bindRenderbuffer, "glBindRenderbuffer") &&
           load(f.deleteRenderbuffers, "glDeleteRenderbuffers") &&
           load(f.renderbufferStorage, "glRenderbufferStorage") &&
           load(f.fenceSync, "glFenceSync") && load(f.clientWaitSync, "glClientWaitSync") &&
           load(f.deleteSync, "glDeleteSync");
}

} // namespace

const FramebufferFunctions* Framebuffers() {
    static FramebufferFunctions functions{};
    static const bool loaded = loadAll(functions);
    return loaded ? &functions : nullptr;
}

} // namespace platform
