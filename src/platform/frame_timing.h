// Measuring the real program: how long start-up takes until the first frame is presented,
// and how long each call of the main window's timer takes (keys, rules, drawing, present),
// in wall time. With timing on, each call ends with glFinish so that the software
// rasteriser's work on the frame is counted in it. Off unless --frame-times is given.
#pragma once

#include <string>

namespace platform {

// Starts the clock of the run; timing is on when path is not empty.
void StartFrameTiming(const std::string& path);

// Brackets one call of the main window's timer.
void BeginTimedCall();
void EndTimedCall();

// Writes "startup_ms X", one "frame_ms X" line per call, "render_scale S" and "calls_ms X",
// the wall time from the start of the first call to the end of the last.
void WriteFrameTimes();

} // namespace platform
