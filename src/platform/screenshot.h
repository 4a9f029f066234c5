// Screenshots waiting for the next presented frame: the script's `screenshot PATH` and the
// player's F12, which saves "screenshot-YYYYMMDD-HHMMSS.png" in the working directory.
// SwapBuffers takes them all after the overlays are drawn.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace platform::screenshots {

void Request(const std::string& path);
// The F12 file name for the local time when.
std::string TimestampedName(std::time_t when);
// The paths waiting, oldest first; they are no longer waiting afterwards.
std::vector<std::string> TakeRequests();

} // namespace platform::screenshots
