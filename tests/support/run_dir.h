// The build's run/ folder: the game's generated data (pictures, sounds, music), which the
// tests read or copy. The test programs' main names it in MUNCHORA_RUN_DIR.
#pragma once

#include <cstdlib>
#include <string>

namespace testsupport {

inline std::string runFile(const char* name) {
    const char* folder = std::getenv("MUNCHORA_RUN_DIR");
    return std::string(folder ? folder : "run") + "/" + name;
}

} // namespace testsupport
