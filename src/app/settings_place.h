#pragma once
// Where the settings file "Sahifex.ini" lives: beside the program when the program's
// folder is writable (a copy of the program in a folder of its own), else in the
// user's configuration folder, $XDG_CONFIG_HOME/sahifex (else ~/.config/sahifex).

#include <filesystem>

namespace sahifex::app {

std::filesystem::path settingsFilePath(const std::filesystem::path& programDir);

} // namespace sahifex::app
