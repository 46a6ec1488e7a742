#include "platform/xdg/xdg_autostart.h"

#include "os/replace_file.h"

namespace sahifex::platform::xdg {
namespace fs = std::filesystem;

XdgAutostart::XdgAutostart(fs::path autostartFolder, fs::path program)
    : entry_(std::move(autostartFolder) / "sahifex.desktop"), program_(std::move(program)) {}

std::string XdgAutostart::entryFor(const fs::path& program) {
    // Exec's argument is quoted; inside the quotes ", `, $ and \ take a backslash, and the
    // file's own escaping doubles every backslash again.
    std::string quoted = "\"";
    for (char c : program.string()) {
        if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        if (c == '\\') quoted += "\\\\\\";
        quoted += c;
    }
    quoted += '"';
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Sahifex\n"
           "Name[ar]=صحيفة\n"
           "Comment=Find a verse of the Quran by a word and paste it into your document\n"
           "Exec=" + quoted + "\n"
           "Icon=sahifex\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool XdgAutostart::setEnabled(bool enabled) {
    if (enabled) return os::replaceFile(entry_, entryFor(program_));
    std::error_code error;
    fs::remove(entry_, error);
    return !error;
}

} // namespace sahifex::platform::xdg
