#include "wayland_desktop.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sahifex::e2e {

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// sway's tree: the node marked focused, anywhere below this one.
std::string focusedIn(const QJsonObject& node) {
    if (node.value("focused").toBool() && node.value("type").toString() == "con")
        return node.value("name").toString().toStdString();
    for (const char* children : {"nodes", "floating_nodes"})
        for (const auto& child : node.value(children).toArray())
            if (std::string title = focusedIn(child.toObject()); !title.empty()) return title;
    return {};
}

std::string swayFocusedTitle() {
    const CommandResult tree = run({"swaymsg", "-t", "get_tree", "-r"});
    if (tree.status != 0) return {};
    return focusedIn(QJsonDocument::fromJson(QByteArray::fromStdString(tree.out)).object());
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// KWin prints what a script prints into its log: a script that prints the active
// window's caption between two marks of its own.
std::string kwinFocusedTitle() {
    static int scripts = 0;
    const std::string mark = "SAHIFEX-ACTIVE-" + std::to_string(++scripts) + ":";
    const std::filesystem::path script =
        std::filesystem::temp_directory_path() / ("sahifex-active-" + std::to_string(getpid()) +
                                                  "-" + std::to_string(scripts) + ".js");
    std::ofstream(script) << "print(\"" << mark
                          << "\" + (workspace.activeClient ? workspace.activeClient.caption : "
                             "\"\") + \":END\");\n";
    std::filesystem::permissions(script, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    const std::string name = "sahifex_active_" + std::to_string(scripts);
    run({"gdbus", "call", "--session", "--dest", "org.kde.KWin", "--object-path", "/Scripting",
         "--method", "org.kde.kwin.Scripting.loadScript", script.string(), name});
    run({"gdbus", "call", "--session", "--dest", "org.kde.KWin", "--object-path", "/Scripting",
         "--method", "org.kde.kwin.Scripting.start"});
    std::string title;
    waitUntil(
        [&] {
            const std::string log = fileText(environmentValue("WAYLAND_SESSION_LOG"));
            const size_t at = log.rfind(mark);
            if (at == std::string::npos) return false;
            const size_t start = at + mark.size();
            title = log.substr(start, log.find(":END", start) - start);
            return true;
        },
        std::chrono::seconds(2));
    run({"gdbus", "call", "--session", "--dest", "org.kde.KWin", "--object-path", "/Scripting",
         "--method", "org.kde.kwin.Scripting.unloadScript", name});
    std::filesystem::remove(script);
    return title;
}

} // namespace

std::string compositorName() { return environmentValue("WAYLAND_SESSION_COMPOSITOR"); }

std::string focusedWindowTitle() {
    if (compositorName() == "sway") return swayFocusedTitle();
    if (compositorName() == "kwin") return kwinFocusedTitle();
    throw std::runtime_error("not in a session of scripts/wayland-session");
}

WaylandEditor::WaylandEditor(Kind kind, const std::filesystem::path& file,
                             const std::string& text)
    : file_(file) {
    std::ofstream(file_, std::ios::binary) << text;
    Environment env = currentEnvironment();
    env["GDK_BACKEND"] = kind == Kind::Native ? "wayland" : "x11";
    env["NO_AT_BRIDGE"] = "1";
    env["GSETTINGS_BACKEND"] = "memory";       // no dconf, no first-run state
    env["DBUS_SESSION_BUS_ADDRESS"] = "";      // no running mousepad to hand the file to
    env["LANG"] = "C.UTF-8";
    const std::filesystem::path home = file_.string() + ".home";
    std::filesystem::create_directories(home);
    env["HOME"] = home.string();
    env["XDG_CONFIG_HOME"] = (home / "config").string();
    process_ = std::make_unique<Process>(std::vector<std::string>{"mousepad", file_.string()},
                                         env, file_.string() + ".log");
}

WaylandEditor::~WaylandEditor() = default;

bool WaylandEditor::hasFocus() const {
    return focusedWindowTitle().find(file_.filename().string()) != std::string::npos;
}

bool WaylandEditor::waitForFocus(std::chrono::milliseconds limit) {
    return waitUntil([&] { return hasFocus(); }, limit, std::chrono::milliseconds(100));
}

std::string WaylandEditor::savedText() const { return fileText(file_); }

} // namespace sahifex::e2e
