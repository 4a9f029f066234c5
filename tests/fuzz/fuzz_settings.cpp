// libFuzzer target for the settings reader: any bytes must give settings within their
// limits, and settings once read must come back unchanged through the file's format.
#include "platform/script.h"
#include "platform/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Checked in every build type, unlike assert: the seed replay runs in release builds too.
void require(bool condition) {
    if (!condition)
        std::abort();
}

bool sideInRange(int side) {
    return side >= platform::MIN_WINDOW_SIDE && side <= platform::MAX_SCRIPT_SIZE;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const platform::Settings settings = platform::ParseSettings(text);
    require(sideInRange(settings.windowWidth) && sideInRange(settings.windowHeight));
    require(platform::ParseSettings(platform::FormatSettings(settings)) == settings);
    return 0;
}
