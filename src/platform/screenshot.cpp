// Screenshot requests; see screenshot.h.
#include "platform/screenshot.h"

#include <utility>

namespace platform::screenshots {

namespace {

std::vector<std::string>& requests() {
    static std::vector<std::string> paths;
    return paths;
}

} // namespace

void Request(const std::string& path) {
    requests().push_back(path);
}

std::string TimestampedName(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char name[64];
    std::strftime(name, sizeof name, "screenshot-%Y%m%d-%H%M%S.png", &local);
    return name;
}

std::vector<std::string> TakeRequests() {
    return std::exchange(requests(), {});
}

} // namespace platform::screenshots
