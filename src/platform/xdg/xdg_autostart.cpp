#include "platform/xdg/xdg_autostart.h"

#include "os/replace_file.h"
#include "store/utf.h"

namespace sahifex::platform::xdg {
namespace fs = std::filesystem;

XdgAutostart::XdgAutostart(fs::path autostartFolder, fs::path program)
    : entry_(std::move(autostartFolder) / "sahifex.desktop"), program_(std::move(program)) {}

namespace {

// The Exec value that runs the program alone. The path is one argument in double quotes,
// inside which ", `, $ and \ take a backslash; a % is doubled, or the session would read
// a field code (%f: a file name) in it. The value then takes the escapes of every
// string in the file: \\ for a backslash, \n and \t for a line end and a tab.
// Nothing for a path no entry can hold: not UTF-8, or another control character (a
// session's reading drops a carriage return, even written as \r).
std::optional<std::string> execValue(const std::string& program) {
    if (store::toUtf8(store::fromUtf8(program)) != program) return std::nullopt;
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        switch (c) {
        case '\\': value += "\\\\"; break;
        case '\n': value += "\\n"; break;
        case '\t': value += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return std::nullopt;
            value += c;
        }
    }
    return value;
}

} // namespace

std::optional<std::string> XdgAutostart::entryFor(const fs::path& program) {
    const std::optional<std::string> exec = execValue(program.string());
    if (!exec) return std::nullopt;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Sahifex\n"
           "Name[ar]=صحيفة\n"
           "Comment=Find a verse of the Quran by a word and paste it into your document\n"
           "Exec=" + *exec + "\n"
           "Icon=sahifex\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool XdgAutostart::setEnabled(bool enabled) {
    if (enabled) {
        const std::optional<std::string> entry = entryFor(program_);
        return entry && os::replaceFile(entry_, *entry);
    }
    std::error_code error;
    fs::remove(entry_, error);
    return !error;
}

} // namespace sahifex::platform::xdg
