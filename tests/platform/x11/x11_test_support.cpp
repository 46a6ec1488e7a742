#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "platform/x11/x11_test_support.h"
#include "support/editor_environment.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace sahifex::testing::x11 {

CommandResult run(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) result.out.append(buffer.data(), n);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

_XDisplay* display() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
}

bool windowManagerRuns() {
    Atom check = XInternAtom(display(), "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display(), DefaultRootWindow(display()), check, 0, 1, False, XA_WINDOW,
                       &type, &format, &count, &remaining, &data);
    bool runs = data && count == 1;
    if (data) XFree(data);
    return runs;
}

bool focusIsIn(Window window) {
    ::Window focus = None;
    int revert = 0;
    XGetInputFocus(display(), &focus, &revert);
    while (focus != None && focus != PointerRoot && focus != window) {
        ::Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display(), focus, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        focus = focus == root ? None : parent;
    }
    return focus == window;
}

bool controlIsDown() {
    char keys[32] = {};
    XQueryKeymap(display(), keys);
    KeyCode control = XKeysymToKeycode(display(), XK_Control_L);
    return control && (keys[control / 8] & (1 << (control % 8)));
}

void focusRootWindow() {
    XSetInputFocus(display(), DefaultRootWindow(display()), RevertToPointerRoot, CurrentTime);
    XSync(display(), False);
}

void processEventsFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
}

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

Mousepad::Mousepad() {
    file_ = dir_ / "document.txt";
    std::ofstream(file_).close(); // an existing file: Ctrl+S saves without asking
    // mousepad's environment: this one's, with a profile of its own.
    std::map<std::string, std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        std::string pair = *entry;
        auto eq = pair.find('=');
        if (eq != std::string::npos) env[pair.substr(0, eq)] = pair.substr(eq + 1);
    }
    env["XDG_CONFIG_HOME"] = dir_ / "config";
    env["XDG_DATA_HOME"] = dir_ / "data";
    env["XDG_CACHE_HOME"] = dir_ / "cache";
    keepEditorToItself(env, dir_.string());
    std::vector<std::string> pairs;
    for (auto& [name, value] : env) pairs.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& pair : pairs) envp.push_back(pair.data());
    envp.push_back(nullptr);
    std::string program = "mousepad", path = file_.string();
    char* argv[] = {program.data(), path.data(), nullptr};
    // Its chatter goes to a log of its own, beside the document.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, (dir_ / "mousepad.log").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int spawned = posix_spawnp(&pid_, "mousepad", &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = -1;
        ADD_FAILURE() << "mousepad could not be started";
        return;
    }
    auto found = run("timeout 20 xdotool search --sync --onlyvisible --pid " +
                     std::to_string(pid_) + " 2>/dev/null | tail -n 1");
    window_ = std::strtoul(found.out.c_str(), nullptr, 10);
    if (window_ == 0) ADD_FAILURE() << "mousepad's window did not appear";
}

Mousepad::~Mousepad() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        bool ended = waitUntil([&] { return waitpid(pid_, nullptr, WNOHANG) == pid_; }, 3000);
        if (!ended) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
}

void giveFocus(Window window) {
    std::string how = windowManagerRuns() ? "windowactivate" : "windowfocus";
    auto result = run("timeout 10 xdotool " + how + " --sync " + std::to_string(window));
    ASSERT_EQ(result.status, 0) << "xdotool " << how << " failed";
    ASSERT_TRUE(waitUntil([&] { return focusIsIn(window); }, 5000))
        << "the window did not get the focus";
}

void Mousepad::focus() { giveFocus(window_); }

std::string Mousepad::save() {
    std::string before = readFile(file_);
    std::string bytes = before;
    // Ctrl+S to the focused window: mousepad saves into the file it opened.
    run("xdotool key --clearmodifiers ctrl+s");
    waitUntil([&] { return (bytes = readFile(file_)) != before; }, 5000);
    return bytes;
}

} // namespace sahifex::testing::x11
