#include "desktop.h"

#include <sstream>
#include <stdexcept>

#include "process.h"

namespace sahifex::e2e {
namespace {

std::vector<WindowId> idsIn(const std::string& text) {
    std::vector<WindowId> ids;
    std::istringstream lines(text);
    for (WindowId id; lines >> id;) ids.push_back(id);
    return ids;
}

std::string idText(WindowId window) { return std::to_string(window); }

// The numbers after "=" in xprop's answer for one property ("NAME(CARDINAL) = 1, 1, 20, 5").
std::vector<int> cardinals(WindowId window, const std::string& property) {
    const CommandResult result = run({"xprop", "-id", idText(window), property});
    std::vector<int> values;
    const size_t eq = result.out.find('=');
    if (result.status != 0 || eq == std::string::npos) return values;
    std::istringstream in(result.out.substr(eq + 1));
    std::string item;
    while (std::getline(in, item, ','))
        try {
            values.push_back(std::stoi(item));
        } catch (const std::exception&) {
            return {};
        }
    return values;
}

WindowId windowFrom(const CommandResult& result) {
    if (result.status != 0) return 0;
    const auto ids = idsIn(result.out);
    return ids.empty() ? 0 : ids.front();
}

} // namespace

std::vector<WindowId> visibleWindowsOf(pid_t pid) {
    // Exit status 1 only says that nothing was found.
    return idsIn(run({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(pid)}).out);
}

Geometry geometryOf(WindowId window) {
    const std::string out =
        runOrThrow({"xdotool", "getwindowgeometry", "--shell", idText(window)});
    Geometry g;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string name = line.substr(0, eq);
        const int value = std::stoi(line.substr(eq + 1));
        if (name == "X") g.x = value;
        if (name == "Y") g.y = value;
        if (name == "WIDTH") g.width = value;
        if (name == "HEIGHT") g.height = value;
    }
    return g;
}

FrameExtents frameOf(WindowId window) {
    const std::vector<int> v = cardinals(window, "_NET_FRAME_EXTENTS");
    if (v.size() != 4) return {};
    return {v[0], v[1], v[2], v[3]};
}

std::string windowNameOf(WindowId window) {
    std::string name = run({"xdotool", "getwindowname", idText(window)}).out;
    while (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

namespace {
// Whether the first type in the window's _NET_WM_WINDOW_TYPE is this one.
bool hasWindowType(WindowId window, const std::string& type) {
    const CommandResult result = run({"xprop", "-id", idText(window), "_NET_WM_WINDOW_TYPE"});
    const size_t eq = result.out.find('=');
    return eq != std::string::npos && result.out.find(type, eq) == eq + 2;
}
} // namespace

bool isUtilityWindow(WindowId window) {
    return hasWindowType(window, "_NET_WM_WINDOW_TYPE_UTILITY");
}

bool isDialogWindow(WindowId window) {
    return hasWindowType(window, "_NET_WM_WINDOW_TYPE_DIALOG");
}

WindowId activeWindow() { return windowFrom(run({"xdotool", "getactivewindow"})); }

WindowId focusWindow() { return windowFrom(run({"xdotool", "getwindowfocus"})); }

void clickAt(WindowId window, int x, int y) {
    runOrThrow({"xdotool", "mousemove", "--window", idText(window), std::to_string(x),
                std::to_string(y), "click", "1"});
}

void doubleClickAt(WindowId window, int x, int y) {
    runOrThrow({"xdotool", "mousemove", "--window", idText(window), std::to_string(x),
                std::to_string(y), "click", "--repeat", "2", "--delay", "80", "1"});
}

void typeText(const std::string& text) {
    runOrThrow({"xdotool", "type", "--delay", "20", "--", text});
}

void pressKeys(const std::string& keys) {
    std::vector<std::string> argv{"xdotool", "key", "--delay", "20"};
    std::istringstream names(keys);
    for (std::string name; names >> name;) argv.push_back(name);
    runOrThrow(argv);
}

void activate(WindowId window) {
    // Without a window manager nobody activates windows: the focus is set directly.
    if (run({"xdotool", "windowactivate", "--sync", idText(window)}).status != 0)
        runOrThrow({"xdotool", "windowfocus", "--sync", idText(window)});
}

void place(WindowId window, int x, int y, int width, int height) {
    runOrThrow({"xdotool", "windowsize", "--sync", idText(window), std::to_string(width),
                std::to_string(height)});
    runOrThrow({"xdotool", "windowmove", "--sync", idText(window), std::to_string(x),
                std::to_string(y)});
}

std::string clipboardText() {
    return run({"xclip", "-o", "-selection", "clipboard"}).out;
}

void screenshot(const std::string& file) { run({"import", "-window", "root", file}); }

} // namespace sahifex::e2e
