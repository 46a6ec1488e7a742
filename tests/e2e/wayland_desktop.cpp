#include "wayland_desktop.h"
#include "support/editor_environment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

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
    const QString type = node.value("type").toString();
    if (node.value("focused").toBool() && (type == "con" || type == "floating_con"))
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

// Runs a KWin script (its body given) and returns what it printed between two marks of
// its own: KWin prints what a script prints into its log.
std::string runKwinScript(const std::string& printedExpression, const std::string& body = "") {
    static int scripts = 0;
    const std::string mark = "SAHIFEX-SCRIPT-" + std::to_string(getpid()) + "-" +
                             std::to_string(++scripts) + ":";
    const std::filesystem::path script =
        std::filesystem::temp_directory_path() / (mark.substr(0, mark.size() - 1) + ".js");
    std::ofstream(script) << body << "print(\"" << mark << "\" + (" << printedExpression
                          << ") + \":END\");\n";
    std::filesystem::permissions(script, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    const std::string name = "sahifex_script_" + std::to_string(scripts);
    const std::vector<std::string> call = {"gdbus", "call", "--session", "--dest",
                                           "org.kde.KWin", "--object-path", "/Scripting",
                                           "--method"};
    auto method = [&](const std::string& which, std::vector<std::string> args) {
        std::vector<std::string> argv = call;
        argv.push_back("org.kde.kwin.Scripting." + which);
        argv.insert(argv.end(), args.begin(), args.end());
        run(argv);
    };
    method("loadScript", {script.string(), name});
    method("start", {});
    std::string printed;
    waitUntil(
        [&] {
            const std::string log = fileText(environmentValue("WAYLAND_SESSION_LOG"));
            const size_t at = log.rfind(mark);
            if (at == std::string::npos) return false;
            const size_t start = at + mark.size();
            printed = log.substr(start, log.find(":END", start) - start);
            return true;
        },
        std::chrono::seconds(2));
    method("unloadScript", {name});
    std::filesystem::remove(script);
    return printed;
}

// mutter tells no other program which window has the focus. An X window's is known by
// _NET_ACTIVE_WINDOW; while none has it, the native one has: a test runs one at a time.
std::string nativeWindowTitle;

std::string mutterFocusedTitle() {
    const CommandResult active = run({"xdotool", "getactivewindow", "getwindowname"});
    if (active.status != 0) return nativeWindowTitle;
    return active.out.substr(0, active.out.find('\n'));
}

} // namespace

bool serveEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > limit.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        QThread::usleep(500);
    }
    return true;
}

bool copiedUntilItArrives(const std::function<void()>& copyAll, platform::Clipboard& clipboard,
                          const std::u16string& text) {
    return serveEventsUntil(
        [&] {
            const auto before = clipboard.changeCount();
            copyAll();
            return serveEventsUntil(
                [&] { return clipboard.changeCount() > before && clipboard.text() == text; },
                std::chrono::milliseconds(500));
        },
        std::chrono::seconds(10));
}

std::string compositorName() { return environmentValue("WAYLAND_SESSION_COMPOSITOR"); }

std::string focusedWindowTitle() {
    if (compositorName() == "sway") return swayFocusedTitle();
    if (compositorName() == "kwin")
        return runKwinScript("workspace.activeClient ? workspace.activeClient.caption : \"\"");
    if (compositorName() == "mutter") return mutterFocusedTitle();
    throw std::runtime_error("not in a session of scripts/wayland-session");
}

void focusWindowTitled(const std::string& part, bool skipToolWindows) {
    if (compositorName() == "sway") {
        // The window type is known of XWayland windows only.
        run({"swaymsg", "[title=\"" + part + "\"" +
                            (skipToolWindows ? " window_type=\"normal\"" : "") + "] focus"});
    } else if (compositorName() == "mutter") {
        // mutter takes no word from another program on the focus of a native window: it
        // gets it when the X window that had it is minimized. X windows are activated as
        // a pager activates them (the bar, never managed, is passed over by mutter).
        if (!nativeWindowTitle.empty() && part.find(nativeWindowTitle) != std::string::npos) {
            run({"xdotool", "getactivewindow", "windowminimize"});
            return;
        }
        std::istringstream windows(run({"xdotool", "search", "--name", part}).out);
        for (std::string window; std::getline(windows, window);)
            run({"xdotool", "windowactivate", window});
    } else {
        runKwinScript("\"\"", "for (const c of workspace.clientList())\n"
                               "    if (c.caption.indexOf(\"" + part + "\") >= 0 && (" +
                               (skipToolWindows ? "!c.utility" : "true") + "))\n"
                               "        workspace.activeClient = c;\n");
    }
}

WaylandEditor::WaylandEditor(Kind kind, const std::filesystem::path& file,
                             const std::string& text)
    : file_(file) {
    std::ofstream(file_, std::ios::binary) << text;
    Environment env = currentEnvironment();
    env["GDK_BACKEND"] = kind == Kind::Native ? "wayland" : "x11";
    keepEditorToItself(env, file_.string() + ".home");
    env["LANG"] = "C.UTF-8";
    const std::filesystem::path home = file_.string() + ".home";
    std::filesystem::create_directories(home);
    env["HOME"] = home.string();
    env["XDG_CONFIG_HOME"] = (home / "config").string();
    process_ = std::make_unique<Process>(std::vector<std::string>{"mousepad", file_.string()},
                                         env, file_.string() + ".log");
    if (kind == Kind::Native) nativeWindowTitle = file_.filename().string();
}

WaylandEditor::~WaylandEditor() {
    if (nativeWindowTitle == file_.filename().string()) nativeWindowTitle.clear();
}

bool WaylandEditor::hasFocus() const {
    return focusedWindowTitle().find(file_.filename().string()) != std::string::npos;
}

bool WaylandEditor::waitForFocus(std::chrono::milliseconds limit) {
    return waitUntil([&] { return hasFocus(); }, limit, std::chrono::milliseconds(100));
}

std::string WaylandEditor::savedText() const { return fileText(file_); }

KdePortal::KdePortal(const std::filesystem::path& logDir) {
    Environment env = currentEnvironment();
    env["XDG_CURRENT_DESKTOP"] = "KDE";
    env["QT_QPA_PLATFORM"] = "wayland";
    backend_ = std::make_unique<Process>(
        std::vector<std::string>{"/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde"}, env,
        logDir / "portal-kde.log");
    portal_ = std::make_unique<Process>(
        std::vector<std::string>{"/usr/libexec/xdg-desktop-portal", "--replace"}, env,
        logDir / "portal.log");
}

bool waitForDesktopPortal() {
    // Answering the program's first question, not only holding its name: a portal that has
    // just started may answer later than the program waits for it.
    return waitUntil(
        [] {
            return run({"gdbus", "call", "--session", "--timeout", "5", "--dest",
                        "org.freedesktop.portal.Desktop", "--object-path", "/org/freedesktop/portal/desktop",
                        "--method", "org.freedesktop.DBus.Properties.Get",
                        "org.freedesktop.portal.RemoteDesktop", "version"})
                       .out.find("uint32") != std::string::npos;
        },
        std::chrono::seconds(20), std::chrono::milliseconds(100));
}

} // namespace sahifex::e2e
