#pragma once
// One end-to-end scene: mousepad editing a file of its own and the program started
// from a folder of its own (the executable beside its verse files), both with a fresh
// home, both ended by their PID when the scene ends.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "support/temp_folder.h"
#include "process.h"

namespace sahifex::e2e {

using namespace std::chrono_literals;

// How long the program and the editor may take to do what a step asks.
inline constexpr auto kStepLimit = 5s;

class E2eSession {
public:
    // Starts mousepad on a file holding editorText; the program is started apart. On a
    // Wayland session the test opens its editors itself (WaylandEditor): openEditor false.
    explicit E2eSession(const std::string& editorText, bool openEditor = true);
    ~E2eSession();
    E2eSession(const E2eSession&) = delete;
    E2eSession& operator=(const E2eSession&) = delete;

    // The program's folder; with SAHIFEX_E2E_INSTALLED_PROGRAM set, the folder of the
    // installed program that variable names, else a copy of the built program of its own.
    const std::filesystem::path& programDir() const { return programDir_; }
    // The user's configuration folder in the scene's fresh home ($XDG_CONFIG_HOME).
    std::filesystem::path configDir() const { return dir_ / "home" / "config"; }

    // Sets a variable of the program's environment (and of editors opened after).
    void setEnvironment(const std::string& name, const std::string& value) { env_[name] = value; }

    // Starts the program and waits until both its windows are shown.
    void startProgram();
    pid_t programPid() const { return program_->pid(); }
    bool programRuns() { return program_ && program_->running(); }
    WindowId mainWindow() const { return main_; }
    WindowId barWindow() const { return bar_; }
    bool mainWindowShown() const;
    // The main window's height with the window manager's frame, in pixels.
    int mainWindowOuterHeight() const;

    // Opens one more mousepad on a file of its own holding editorText; returns its number
    // (the first editor, opened by the constructor, is 0). With two, the first lies in
    // the upper left of the screen and the second below it.
    int openEditor(const std::string& editorText);
    // Starts the program again, as a second click on its launcher would, and waits until
    // it ends; its exit status (-1 when it is still running after kStepLimit).
    int startProgramAgain();

    // The editor methods work on editor 0 unless told otherwise.
    WindowId editorWindow(int editor = 0) const { return editors_.at(editor).window; }
    // Gives the editor the focus by a click into its text, away from the program's windows.
    void clickIntoEditor(int editor = 0);
    bool editorHasFocus(int editor = 0) const;
    // Selects line n (from 1) of the text of the editor that has the focus.
    void selectEditorLine(int n);
    // The title shows "*" once the text has changed since it was last saved.
    bool editorModified(int editor = 0) const;
    bool waitForEditorChange(std::chrono::milliseconds limit = kStepLimit, int editor = 0) const;
    // Saves (Ctrl+S in the editor, which is given the focus if it lacks it) and returns
    // the file's bytes.
    std::string saveEditor(int editor = 0);

    // What the program wrote to stdout and stderr.
    std::string programLog() const;
    // A screenshot of the whole screen into the folder named by SAHIFEX_E2E_SHOTS.
    void screenshot(const std::string& name) const;

private:
    struct Editor {
        std::filesystem::path file;
        std::unique_ptr<Process> process;
        WindowId window = 0;
    };

    testing::TempFolder folder_{"e2e"};
    std::filesystem::path dir_ = folder_.path();
    std::filesystem::path programDir_;
    std::filesystem::path programPath_;
    Environment env_;
    std::vector<Editor> editors_;
    std::unique_ptr<Process> program_;
    WindowId main_ = 0;
    WindowId bar_ = 0;
};

} // namespace sahifex::e2e
