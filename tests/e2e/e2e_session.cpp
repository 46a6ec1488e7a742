#include "e2e_session.h"
#include "support/editor_environment.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace sahifex::e2e {
namespace fs = std::filesystem;
namespace {

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

} // namespace

E2eSession::E2eSession(const std::string& editorText, bool openFirstEditor) {
    if (std::getenv("DISPLAY") == nullptr)
        throw std::runtime_error("no DISPLAY: run the end-to-end tests inside scripts/x11-session");
    if (const char* installed = std::getenv("SAHIFEX_E2E_INSTALLED_PROGRAM")) {
        // The program as a package installed it, started by the link in bin.
        programPath_ = installed;
        programDir_ = fs::canonical(programPath_).parent_path();
    } else {
        // The program's folder is the executable's: a copy of its own, beside the verse
        // files, where no settings file of another run lies.
        // Under KWin, the folder the session granted the fake input to (the paste keys).
        const char* granted = std::getenv("WAYLAND_SESSION_PROGRAM_DIR");
        programDir_ = granted ? fs::path(granted) : dir_ / "program";
        fs::remove_all(programDir_);
        programPath_ = programDir_ / "sahifex";
        fs::create_directories(programDir_);
        fs::copy_file(SAHIFEX_PROGRAM, programPath_);
        for (const char* name : {"QuranV.Qur", "QuranT.Qur"})
            fs::copy_file(fs::path(SAHIFEX_PROGRAM).parent_path() / name, programDir_ / name);
    }

    env_ = currentEnvironment();
    const fs::path home = dir_ / "home";
    for (const char* sub : {"config", "data", "cache"}) fs::create_directories(home / sub);
    env_["HOME"] = home;
    env_["XDG_CONFIG_HOME"] = home / "config";
    env_["XDG_DATA_HOME"] = home / "data";
    env_["XDG_CACHE_HOME"] = home / "cache";
    // A Wayland session's socket lies in the runtime folder.
    if (!std::getenv("WAYLAND_DISPLAY")) env_["XDG_RUNTIME_DIR"] = "";
    keepEditorToItself(env_, dir_.string());
    // On Wayland the program reaches the desktop's services on the session's bus (mutter's
    // remote desktop on GNOME), as on a desktop.
    if (const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS"); bus && std::getenv("WAYLAND_DISPLAY"))
        env_["DBUS_SESSION_BUS_ADDRESS"] = bus;
    env_["QT_QPA_PLATFORM"] = "xcb";
    env_["LANG"] = "C.UTF-8";

    if (openFirstEditor) openEditor(editorText);
}

int E2eSession::openEditor(const std::string& editorText) {
    const int number = static_cast<int>(editors_.size());
    Editor& editor = editors_.emplace_back();
    editor.file = dir_ / ("document" + std::to_string(number) + ".txt");
    writeFile(editor.file, editorText);
    editor.process = std::make_unique<Process>(
        std::vector<std::string>{"mousepad", editor.file.string()}, env_,
        dir_ / ("mousepad" + std::to_string(number) + ".log"));
    const pid_t pid = editor.process->pid();
    waitUntil([&] {
        const auto windows = visibleWindowsOf(pid);
        if (!windows.empty()) editor.window = windows.front();
        return editor.window != 0;
    }, kStepLimit);
    if (editor.window == 0) throw std::runtime_error("mousepad's window did not appear");
    if (number == 1) {
        // One above the other at the left, where the program's windows do not reach.
        place(editors_[0].window, 0, 0, 560, 440);
        place(editor.window, 0, 512, 560, 440);
    }
    if (!waitUntil([&] { return editorHasFocus(number); }, kStepLimit)) activate(editor.window);
    return number;
}

int E2eSession::startProgramAgain() {
    Process again({programPath_.string()}, env_, dir_ / "sahifex-again.log");
    if (!waitUntil([&] { return !again.running(); }, kStepLimit)) return -1;
    return again.exitStatus();
}

E2eSession::~E2eSession() {
    program_.reset();
    editors_.clear();
}

void E2eSession::startProgram() {
    program_ = std::make_unique<Process>(std::vector<std::string>{programPath_.string()},
                                         env_, dir_ / "sahifex.log");
    const bool shown = waitUntil([this] {
        main_ = bar_ = 0;
        for (WindowId w : visibleWindowsOf(program_->pid()))
            (isUtilityWindow(w) ? bar_ : main_) = w;
        return main_ != 0 && bar_ != 0;
    }, kStepLimit);
    if (!shown)
        throw std::runtime_error("the program did not show its two windows; its output:\n" +
                                 readFile(dir_ / "sahifex.log"));
    // The window manager frames the main window once it is mapped.
    waitUntil([this] { return frameOf(main_).top > 0; }, 1s);
}

bool E2eSession::mainWindowShown() const {
    for (WindowId w : visibleWindowsOf(program_->pid()))
        if (w == main_) return true;
    return false;
}

int E2eSession::mainWindowOuterHeight() const {
    const FrameExtents frame = frameOf(main_);
    return geometryOf(main_).height + frame.top + frame.bottom;
}

void E2eSession::clickIntoEditor(int editor) {
    // The editor's text starts below its menu bar; its left end lies left of the
    // program's windows, which open in the middle of the screen.
    const WindowId window = editorWindow(editor);
    clickAt(window, 20, geometryOf(window).height - 40);
    // Without a window manager a click moves no focus: the test does what one would.
    if (!waitUntil([&] { return editorHasFocus(editor); }, 1s)) activate(window);
}

bool E2eSession::editorHasFocus(int editor) const {
    return focusWindow() == editorWindow(editor);
}

void E2eSession::selectEditorLine(int n) {
    std::string keys = "ctrl+Home";
    for (int i = 1; i < n; ++i) keys += " Down";
    pressKeys(keys + " Home shift+End");
}

bool E2eSession::editorModified(int editor) const {
    const std::string title = windowNameOf(editorWindow(editor));
    return !title.empty() && title.front() == '*';
}

bool E2eSession::waitForEditorChange(std::chrono::milliseconds limit, int editor) const {
    return waitUntil([&] { return editorModified(editor); }, limit);
}

std::string E2eSession::saveEditor(int editor) {
    if (!editorHasFocus(editor)) activate(editorWindow(editor));
    if (editorModified(editor)) {
        pressKeys("ctrl+s");
        if (!waitUntil([&] { return !editorModified(editor); }, kStepLimit))
            throw std::runtime_error("mousepad did not save its file");
    }
    return readFile(editors_.at(editor).file);
}

std::string E2eSession::programLog() const { return readFile(dir_ / "sahifex.log"); }

void E2eSession::screenshot(const std::string& name) const {
    const char* shots = std::getenv("SAHIFEX_E2E_SHOTS");
    if (!shots) return;
    fs::create_directories(shots);
    e2e::screenshot((fs::path(shots) / (name + ".png")).string());
}

} // namespace sahifex::e2e
