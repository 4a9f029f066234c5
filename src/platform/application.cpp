// App::Run: the command line, the platform brought up and down around the game, and the
// run's event sources, clock and end. See application.h.
#include "platform/application.h"

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/frame_timing.h"
#include "platform/options.h"
#include "platform/run_state.h"
#include "platform/script_source.h"
#include "platform/sdl_source.h"
#include "platform/signals.h"
#include "platform/system.h"

#include <SDL.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace platform {

namespace {

constexpr int EXIT_BAD_INPUT = 2;

// A frame makes the software rasteriser allocate and free several megabytes. glibc gives
// freed memory at the top of the heap back to the system once 128 KB lie free there, so
// every frame faulted those pages in again: a quarter of a million page faults in 400
// frames at 1280x720, and the slowest frames at 64x64 took five times the usual. Up to
// 32 MB of freed memory (a large frame's worth) stays for the next frame instead.
constexpr int KEPT_FREE_BYTES = 32 << 20;

// Starts the video subsystem; returns false (after saying why) when there is none.
bool startVideo(const RunOptions& options) {
    if (options.headless) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0); // a driver the environment names wins
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // ours turn signals into a close request
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "munchora: cannot start the video: %s\n", SDL_GetError());
        return false;
    }
    // Game controllers only for a player: a scripted headless run takes no desktop events.
    // Without them the game is played with the keyboard alone.
    if (!options.headless && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::fprintf(stderr, "munchora: no game controllers: %s\n", SDL_GetError());
    return true;
}

bool drawingOffscreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") == 0;
}

// When the run ends by itself: after --ticks calls, else after the last call the script
// names; a headless run without either ends at once instead of running unseen for ever.
std::optional<long> callLimit(const RunOptions& options, const Script& script) {
    if (options.ticks)
        return options.ticks;
    if (!options.scriptPath.empty())
        return script.lastCall();
    if (options.headless)
        return 0;
    return std::nullopt;
}

// The trace and the screenshots are named relative to where the program was started; the
// game may change its working directory to its data folder before it writes them.
void anchorPath(std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (!path.empty() && !error)
        path = absolute.string();
}

void anchorPaths(RunOptions& options, Script& script) {
    anchorPath(options.tracePath);
    anchorPath(options.frameTimesPath);
    for (ScriptEvent& event : script.events)
        if (event.action == ScriptAction::Screenshot)
            anchorPath(event.text);
}

} // namespace

App::App() = default;
App::~App() = default;

int App::Run(int argc, char** argv) {
    RunOptions options;
    Script script;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "munchora: %s\n%s\n", error.c_str(), USAGE);
        return EXIT_BAD_INPUT;
    }
    if (!options.scriptPath.empty() && !LoadScript(options.scriptPath, script, error)) {
        std::fprintf(stderr, "munchora: %s\n", error.c_str());
        return EXIT_BAD_INPUT;
    }
    anchorPaths(options, script);
    mallopt(M_TRIM_THRESHOLD, KEPT_FREE_BYTES);
    SetOptions(options);
    StartFrameTiming(options.frameTimesPath);
    InstallCloseSignals();
    if (!startVideo(options))
        return EXIT_FAILURE;

    RunState& run = CurrentRun();
    run.headless = options.headless;
    run.offscreenSurface = drawingOffscreen();
    if (run.offscreenSurface && !options.headless)
        std::fprintf(stderr, "munchora: no display found; drawing offscreen\n");
    ProgramClock().Reset(options.headless && !options.realClock);
    ScriptEventSource scriptEvents(script);
    SdlEventSource desktopEvents;
    if (!options.scriptPath.empty())
        run.sources.push_back(&scriptEvents);
    if (!options.headless)
        run.sources.push_back(&desktopEvents);
    run.callLimit = callLimit(options, script);

    OpenAudio();
    InitInstance();
    WriteFrameTimes();
    ShowCursor(true);
    CloseAudio();
    ResetRun();
    SDL_Quit();
    return EXIT_SUCCESS;
}

} // namespace platform
