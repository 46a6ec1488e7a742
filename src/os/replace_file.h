#pragma once
// Replacing a small file whole: the new bytes go to a temporary file in the same folder,
// which is then renamed over the old file, so that a crash, a full disk or a power cut
// leaves either the old file or the new one, never a part of either.

#include <filesystem>
#include <string_view>

namespace sahifex::os {

// Creates the file's folder when it is missing, and removes the temporary files that
// earlier replacements of the file left when they were cut off. A new file takes the
// user's umask; a replaced one keeps its permissions. False, with the old file
// untouched and no temporary file left behind, when any step fails.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes);

// A temporary file's name for file: its name, a dot and six random letters or digits.
std::filesystem::path temporaryBeside(const std::filesystem::path& file);

// The step that differs between systems: the bytes into a new temporary file beside
// file, then renamed over it. False, with nothing left behind, when a step fails.
bool writeAndRename(const std::filesystem::path& file, std::string_view bytes);

} // namespace sahifex::os
