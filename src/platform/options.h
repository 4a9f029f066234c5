// The command line, read as hostile input:
//
//   munchora [--headless] [--script FILE] [--trace FILE] [--ticks N] [--size WxH]
//            [--frame-times FILE] [--window[=WxH]]
//
// Every option at most once; N from 0 to MAX_SCRIPT_CALL; W and H of --size from 1 to
// MAX_SCRIPT_SIZE, of --window from MIN_WINDOW_SIDE (settings.h) to MAX_SCRIPT_SIZE. Anything else
// is an error with a message saying what is wrong.
#pragma once

#include "platform/application.h"

#include <string>

namespace platform {

extern const char* const USAGE;

// Reads argv[1..argc-1] into options; false with error set on the first bad argument.
bool ParseOptions(int argc, const char* const* argv, RunOptions& options, std::string& error);

// Replaces the options that Options() returns.
void SetOptions(const RunOptions& options);

} // namespace platform
