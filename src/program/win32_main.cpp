// Sahifex for Windows: finds Quran verses by a word and pastes the chosen one into the
// editor. The forms drawn with native Win32 controls.

#include <filesystem>
#include <string>

#include "app/options_form.h"
#include "bar/top_bar.h"
#include "platform/native_backends.h"
#include "platform/handler_guard.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/win32_topmost.h"
#include "platform/win32/window_registry.h"
#include "view_win32/form_window.h"
#include "view_win32/pictures.h"

using namespace sahifex;

namespace {

// The folder of the executable, from its wide name: a folder with an Arabic name too.
std::filesystem::path programDir() {
    return std::filesystem::path(os::programPath()).parent_path();
}

} // namespace

int main() {
    platform::NativeBackends native = platform::createNativeBackends();
    if (!native.singleInstance->claim()) return 0; // the running copy comes forward

    view_win32::PictureSupport pictures;
    platform::win32::WindowRegistry windows;
    platform::win32::Win32EventLoop loop;
    platform::win32::Win32MessageBox messages;
    platform::win32::Win32TextMetrics metrics;
    platform::win32::Win32Screen screen;
    platform::win32::Win32Topmost topmost(windows);
    // Text still promised on the clipboard is handed over before the program ends.
    auto& clipboard = static_cast<platform::win32::Win32Clipboard&>(*native.clipboard);
    loop.beforeExit = [&clipboard] { clipboard.renderPromised(); };
    const platform::Services services{*native.clipboard, *native.keystrokes, *native.layouts,
                                      topmost,           messages,           metrics,
                                      loop,              screen,             *native.autostart,
                                      programDir()};

    app::ProgramState program;
    app::Options_Form mainForm(services, program);
    bar::Top_Bar topBar(services, program, mainForm);
    mainForm.setTopBar(topBar);
    view_win32::FormWindow mainWindow(mainForm, view_win32::WindowStyle::Frameless, windows);
    view_win32::FormWindow barWindow(topBar, view_win32::WindowStyle::FloatingBar, windows);
    mainWindow.beforeShow = [&native] { native.foregroundWindow->remember(); };
    native.singleInstance->onSecondStart = [&mainForm] { mainForm.Show(); };

    platform::runHandler([&] { mainForm.Form_Load(); });
    return loop.run();
}
