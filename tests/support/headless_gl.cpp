#include "support/headless_gl.h"

#include <SDL.h>

namespace testsupport {

bool makeHeadlessGlContext(int width, int height) {
    static SDL_Window* window = nullptr;
    static SDL_GLContext context = nullptr;
    if (context)
        return true;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    window = SDL_CreateWindow("test", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window)
        return false;
    context = SDL_GL_CreateContext(window);
    return context && SDL_GL_MakeCurrent(window, context) == 0;
}

} // namespace testsupport
