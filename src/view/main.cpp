// Sahifex: finds Quran verses by a word and pastes the chosen one into the editor.

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "app/options_form.h"
#include "bar/top_bar.h"
#include "platform/qt/program_font.h"
#include "platform/qt/qt_services.h"
#include "platform/x11/x11_keyboard_layouts.h"
#include "platform/x11/x11_keystrokes.h"
#include "view/display_check.h"
#include "view/form_window.h"
#include "platform/qt/handler_guard.h"
#include "view/stand_in_backends.h"
#include "view/startup_report.h"

using namespace sahifex;

namespace {

struct KeyboardBackends {
    std::unique_ptr<platform::KeyboardLayouts> layouts;
    std::unique_ptr<platform::Keystrokes> keystrokes;
    platform::x11::X11Keystrokes* x11Keystrokes = nullptr; // when the real one runs
};

// The display's keyboard backends, or stand-ins that say why they cannot work.
KeyboardBackends keyboardBackends() {
    KeyboardBackends backends;
    std::string error;
    if (auto layouts = platform::x11::X11KeyboardLayouts::create(error))
        backends.layouts = std::move(layouts);
    else
        backends.layouts = std::make_unique<view::StandInKeyboardLayouts>(error);
    error.clear();
    if (auto keystrokes = platform::x11::X11Keystrokes::create(error)) {
        backends.x11Keystrokes = keystrokes.get();
        backends.keystrokes = std::move(keystrokes);
    } else {
        backends.keystrokes = std::make_unique<view::StandInKeystrokes>(error);
    }
    return backends;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (const std::string problem = view::checkDisplay(); !problem.empty()) {
        std::fprintf(stderr, "sahifex: %s\n", problem.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sahifex"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setFont(platform::qt::programFont(10));
    // The program ends only through the bar's close command.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own words (the message boxes' OK and Cancel) in Arabic, when installed.
    QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);

    platform::qt::QtServices qt;
    KeyboardBackends keyboard = keyboardBackends();
    const platform::Services services =
        qt.with(*keyboard.keystrokes, *keyboard.layouts,
                QCoreApplication::applicationDirPath().toStdString());

    app::ProgramState program;
    app::Options_Form mainForm(services, program);
    bar::Top_Bar topBar(services, program, mainForm);
    mainForm.setTopBar(topBar);
    view::FormWindow mainWindow(mainForm, view::WindowStyle::Frameless, qt.windows);
    view::FormWindow barWindow(topBar, view::WindowStyle::FloatingBar, qt.windows);
    if (keyboard.x11Keystrokes)
        mainWindow.beforeShow = [&keyboard] { keyboard.x11Keystrokes->rememberForegroundWindow(); };

    std::unique_ptr<view::StartupReport> startupReport;
    if (qEnvironmentVariable("SAHIFEX_REPORT_STARTUP") == QLatin1String("1"))
        startupReport = std::make_unique<view::StartupReport>(
            std::vector<QWidget*>{&mainWindow, &barWindow}, sinceMain);

    platform::qt::runHandler([&] { mainForm.Form_Load(); });
    return application.exec();
}
