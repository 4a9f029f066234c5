#include "app/data_folder.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

fs::path installedDataFolder(const fs::path& executable) {
    // PREFIX/bin/munchora -> PREFIX/share/munchora/data
    fs::path data = executable.parent_path().parent_path() / "share" / "munchora" / "data";
    std::error_code error;
    return fs::is_directory(data, error) ? data : fs::path();
}

fs::path userDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/')
        return fs::path(xdg) / "munchora";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "munchora";
}

bool seedDataFolder(const fs::path& defaults, const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error))
        return false;
    for (const auto& entry : fs::directory_iterator(defaults, error)) {
        if (!entry.is_regular_file())
            continue;
        fs::path copy = folder / entry.path().filename();
        if (!fs::exists(copy, error))
            fs::copy_file(entry.path(), copy, error);
    }
    return true;
}

std::string enterDataFolder(const fs::path& executable) {
    fs::path defaults = installedDataFolder(executable);
    if (defaults.empty())
        return {};
    fs::path folder = userDataFolder();
    std::error_code error;
    if (!seedDataFolder(defaults, folder) || (fs::current_path(folder, error), error))
        return "Cannot use the folder " + folder.string() + "; playing in the current folder.";
    return {};
}
