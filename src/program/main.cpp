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
#include "platform/native_backends.h"
#include "platform/handler_guard.h"
#include "platform/qt/program_font.h"
#include "platform/qt/qt_services.h"
#include "program/stand_in_backends.h"
#include "program/startup_report.h"
#include "view/form_window.h"

using namespace sahifex;

namespace {

// Puts a stand-in wherever the platform could not give a backend, so the program still
// runs (search, clipboard, tracking) and says on stderr why it cannot paste.
void fillGaps(platform::NativeBackends& backends) {
    if (!backends.keystrokes)
        backends.keystrokes = std::make_unique<program::StandInKeystrokes>(backends.problems);
    if (!backends.layouts)
        backends.layouts = std::make_unique<program::StandInKeyboardLayouts>(backends.problems);
    if (!backends.foregroundWindow)
        backends.foregroundWindow = std::make_unique<program::StandInForegroundWindow>();
    if (!backends.autostart) backends.autostart = std::make_unique<program::StandInAutostart>();
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (const std::string problem = platform::displayProblem(); !problem.empty()) {
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

    platform::NativeBackends native = platform::createNativeBackends();
    // A second start (a launcher clicked twice) brings the running copy forward and ends.
    if (native.singleInstance && !native.singleInstance->claim()) return 0;
    fillGaps(native);
    platform::qt::QtServices qt;
    const platform::Services services =
        qt.with(*native.keystrokes, *native.layouts, *native.autostart,
                QCoreApplication::applicationDirPath().toStdString(), native.clipboard.get());

    app::ProgramState program;
    app::Options_Form mainForm(services, program);
    bar::Top_Bar topBar(services, program, mainForm);
    mainForm.setTopBar(topBar);
    view::FormWindow mainWindow(mainForm, view::WindowStyle::Frameless, qt.windows);
    view::FormWindow barWindow(topBar, view::WindowStyle::FloatingBar, qt.windows);
    mainWindow.beforeShow = [&native] { native.foregroundWindow->remember(); };
    if (native.singleInstance)
        native.singleInstance->onSecondStart = [&mainForm] {
            platform::runHandler([&] { mainForm.Show(); });
        };

    std::unique_ptr<program::StartupReport> startupReport;
    if (qEnvironmentVariable("SAHIFEX_REPORT_STARTUP") == QLatin1String("1"))
        startupReport = std::make_unique<program::StartupReport>(
            std::vector<QWidget*>{&mainWindow, &barWindow}, sinceMain);

    platform::runHandler([&] { mainForm.Form_Load(); });
    return application.exec();
}
