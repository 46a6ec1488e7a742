// Sahifex for Windows: finds Quran verses by a word and pastes the chosen one into the
// editor. The forms drawn with native Win32 controls.

#include "app/program.h"
#include "platform/win32/win32_backends.h"
#include "platform/win32/window_registry.h"
#include "view_win32/form_window.h"
#include "view_win32/pictures.h"

using namespace sahifex;

int main() {
    view_win32::PictureSupport pictures;
    platform::win32::WindowRegistry windows;
    const platform::ProgramServices services = platform::win32::createWin32Services(windows);
    if (!services.singleInstance->claim()) return 0; // the running copy comes forward

    app::Program program(services.services());
    view_win32::FormWindow mainWindow(program.mainForm, view_win32::WindowStyle::Frameless, windows);
    view_win32::FormWindow barWindow(program.topBar, view_win32::WindowStyle::FloatingBar, windows);
    mainWindow.beforeShow = [&services] { services.foregroundWindow->remember(); };

    program.start();
    return services.loop->run();
}
