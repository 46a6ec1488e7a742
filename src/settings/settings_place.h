#pragma once
// Where the settings file "Sahifex.ini" lives: beside the program when the program's
// folder is writable (a copy of the program in a folder of its own), else in the
// user's configuration folder, $XDG_CONFIG_HOME/sahifex (else ~/.config/sahifex).

#include <filesystem>

namespace sahifex::settings {

std::filesystem::path settingsFilePath(const std::filesystem::path& programDir);

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config (%APPDATA% on Windows); empty when none is known.
std::filesystem::path userConfigFolder();

} // namespace sahifex::settings
