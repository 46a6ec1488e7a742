#pragma once
// The folders the operating system gives a user's files, and what it allows there.

#include <filesystem>

namespace sahifex::os {

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config (%APPDATA% on Windows); empty when none is known.
std::filesystem::path userConfigFolder();

// True when dir is a folder this process may create files in.
bool writableFolder(const std::filesystem::path& dir);

} // namespace sahifex::os
