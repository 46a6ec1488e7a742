#pragma once
// Starting the program with the desktop session on Linux: an XDG autostart entry,
// "sahifex.desktop" in $XDG_CONFIG_HOME/autostart/ (else ~/.config/autostart/), which
// every freedesktop session reads when it starts.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/autostart.h"

namespace sahifex::platform::xdg {

class XdgAutostart : public Autostart {
public:
    // program: the executable that the session starts.
    XdgAutostart(std::filesystem::path autostartFolder, std::filesystem::path program);
    bool setEnabled(bool enabled) override;

    // The entry that starts the program, as its file holds it; nothing when the
    // program's path cannot be written in an entry.
    static std::optional<std::string> entryFor(const std::filesystem::path& program);

private:
    std::filesystem::path entry_;
    std::filesystem::path program_;
};

} // namespace sahifex::platform::xdg
