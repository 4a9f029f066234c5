// Where the game keeps its files when it is installed.
//
// The game opens every data file by its bare name in the working directory. Run from the
// build tree, that is the build's run/ folder. Installed (the program in PREFIX/bin, its
// default data in PREFIX/share/munchora/data), the install stays read-only and each player
// gets a folder of their own, $XDG_DATA_HOME/munchora (~/.local/share/munchora when unset),
// seeded with the default data on first start, so that best scores persist.
#pragma once

#include <filesystem>
#include <string>

// The default data of an installed program at executable, or an empty path when the
// program is not installed (no PREFIX/share/munchora/data beside it).
std::filesystem::path installedDataFolder(const std::filesystem::path& executable);

// The player's own folder: $XDG_DATA_HOME/munchora, else $HOME/.local/share/munchora.
std::filesystem::path userDataFolder();

// Copies every file of defaults that folder lacks into folder (created when missing); files
// already there, the best scores among them, are kept. Returns false when the folder cannot
// be made.
bool seedDataFolder(const std::filesystem::path& defaults, const std::filesystem::path& folder);

// For an installed program: seeds the player's folder and makes it the working directory.
// Does nothing when the program runs from its build tree. Returns a message for the player
// when the folder cannot be used (the game then runs in the current directory).
std::string enterDataFolder(const std::filesystem::path& executable);
