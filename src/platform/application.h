// The program's application object and its command line.
//
//   munchora [--headless] [--script FILE] [--trace FILE] [--ticks N] [--size WxH]
//            [--frame-times FILE] [--window[=WxH]] [--render-scale auto|S] [--real-clock]
//
// --window starts the game in a normal, resizable window of W x H pixels (without a size,
// the last one used) instead of the borderless window over the display.
// --frame-times is for measuring: it writes the start-up time and the wall time of every
// call of the main window's timer (each frame finished with glFinish) to FILE at exit, and
// the render scale the run ended at. --render-scale draws the 3D scene at a fixed fraction
// of the window (0.25 to 1) or, with auto, lets the frames decide (scene_target.h); a
// player's window defaults to auto, a headless run to 1. --real-clock keeps a headless run
// on real time, as a player's run is, to measure the game's pace.
// App::Run parses the options, brings up the platform (video, audio, clock, event source),
// calls InitInstance, which runs the main dialog, and shuts the platform down again. A bad
// option or script line is reported on standard error naming the file and line, and Run
// returns 2 before any window exists.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct RunOptions {
    bool headless = false;
    std::string scriptPath;     // empty: no script
    std::string tracePath;      // empty: no trace
    std::string frameTimesPath; // empty: frames are not timed
    std::optional<long> ticks;
    int width = 1280, height = 720; // the headless surface; a desktop run covers the desktop
    bool sizeGiven = false;
    bool windowed = false;                 // --window: start in a window of its own
    int windowWidth = 0, windowHeight = 0; // its size; 0 x 0: the last size used
    // --render-scale: the scale the 3D scene is drawn at, or nullopt to let it follow the
    // frames (the default in a player's window; headless runs default to 1).
    std::optional<float> renderScale;
    bool realClock = false; // --real-clock: a headless run keeps real time (for measuring)
};

// The options of the running program (defaults before Run).
const RunOptions& Options();

class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Runs the program; returns the process exit status.
    int Run(int argc, char** argv);

protected:
    // Runs the main window; returns false so that no further loop is started.
    virtual bool InitInstance() = 0;
};

} // namespace platform
