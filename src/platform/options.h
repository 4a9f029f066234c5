// The command line, read as hostile input:
//
//   munchora [--headless] [--script FILE] [--trace FILE] [--ticks N] [--size WxH]
//            [--frame-times FILE] [--window[=WxH]] [--render-scale auto|S] [--real-clock]
//
// Every option at most once; N from 0 to MAX_SCRIPT_CALL; W and H of --size from 1 to
// MAX_SCRIPT_SIZE, of --window from MIN_WINDOW_SIDE (settings.h) to MAX_SCRIPT_SIZE; S from
// MIN_RENDER_SCALE to 1. Anything else is an error with a message saying what is wrong.
#pragma once

#include "platform/application.h"

#include <string>

namespace platform {

extern const char* const USAGE;

// Below this a scene is too coarse to play (a quarter of the pixels on each side).
constexpr double MIN_RENDER_SCALE = 0.25;

// Reads argv[1..argc-1] into options; false with error set on the first bad argument.
bool ParseOptions(int argc, const char* const* argv, RunOptions& options, std::string& error);

// Replaces the options that Options() returns.
void SetOptions(const RunOptions& options);

} // namespace platform
