// libFuzzer target for the script reader: any bytes must either parse into events within
// the script's limits or give an error naming the file and line; parsed events must then
// all come out of the scripted event source.
#include "platform/script.h"
#include "platform/script_source.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Checked in every build type, unlike assert: the seed replay runs in release builds too.
void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    platform::Script script;
    std::string error;
    if (!platform::ParseScript(text, "fuzz.txt", script, error)) {
        require(error.rfind("fuzz.txt:", 0) == 0);
        return 0;
    }
    for (const platform::ScriptEvent& event : script.events) {
        require(event.call >= 1 && event.call <= platform::MAX_SCRIPT_CALL);
        require(event.action != platform::ScriptAction::Resize ||
                (event.width >= 1 && event.height >= 1));
        require(event.pad >= 0 && event.pad <= platform::MAX_SCRIPT_PAD);
        require(event.value >= platform::PAD_AXIS_MIN && event.value <= platform::PAD_AXIS_MAX);
        require(event.action != platform::ScriptAction::WindowMode ||
                (event.width == 0) == (event.height == 0));
    }
    platform::ScriptEventSource source(script);
    platform::Event event;
    const long last = script.lastCall();
    for (long call = 1;; call = std::min(call * 2, last)) {
        while (source.Next(call, event)) {
        }
        if (call >= last)
            break;
    }
    require(!source.Next(LONG_MAX, event));
    return 0;
}
