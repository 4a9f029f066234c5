// Frame timing; see frame_timing.h.
#include "platform/frame_timing.h"

#include "platform/gl_context.h"
#include "platform/scene_target.h"

#include <SDL_opengl.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    std::string path;
    Clock::time_point runStart, callStart, firstCallStart, lastCallEnd;
    double startupMs = -1; // until the first call has ended
    std::vector<double> callMs;
    int depth = 0; // nested calls (a modal dialog's loop) count within their outer call
};

Timing& timing() {
    static Timing state;
    return state;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

void StartFrameTiming(const std::string& path) {
    Timing& t = timing();
    t = Timing{};
    t.path = path;
    t.runStart = Clock::now();
    if (!path.empty())
        t.callMs.reserve(1 << 16);
}

void BeginTimedCall() {
    Timing& t = timing();
    if (t.depth++ > 0)
        return;
    t.callStart = Clock::now();
}

// Every call's busy time steers the render scale; only a measured run waits for the
// rasteriser to finish each frame and keeps the times.
void EndTimedCall() {
    Timing& t = timing();
    if (--t.depth > 0)
        return;
    if (!t.path.empty() && HasGlContext())
        glFinish();
    const double ms = millisecondsSince(t.callStart);
    NoteFrameBusy(ms);
    if (t.path.empty())
        return;
    t.callMs.push_back(ms);
    t.lastCallEnd = Clock::now();
    if (t.startupMs < 0) {
        t.startupMs = millisecondsSince(t.runStart);
        t.firstCallStart = t.callStart;
    }
}

void WriteFrameTimes() {
    const Timing& t = timing();
    if (t.path.empty())
        return;
    std::FILE* file = std::fopen(t.path.c_str(), "w");
    if (!file) {
        std::fprintf(stderr, "munchora: cannot write the frame times %s\n", t.path.c_str());
        return;
    }
    std::fprintf(file, "startup_ms %.3f\n", t.startupMs);
    for (double ms : t.callMs)
        std::fprintf(file, "frame_ms %.3f\n", ms);
    std::fprintf(file, "render_scale %.2f\n", SceneScale());
    std::fprintf(
        file, "calls_ms %.3f\n",
        std::chrono::duration<double, std::milli>(t.lastCallEnd - t.firstCallStart).count());
    std::fclose(file);
}

} // namespace platform
