// Sahifex: finds Quran verses by a word and pastes the chosen one into the editor.

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "app/program.h"
#include "app/settings_place.h"
#include "platform/linux/linux_backends.h"
#include "platform/qt/program_font.h"
#include "platform/qt/window_registry.h"
#include "program/startup_report.h"
#include "view/form_window.h"

using namespace sahifex;

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

    platform::qt::WindowRegistry windows;
    const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
    const platform::ProgramServices services = platform::createLinuxServices(
        platform::LinuxSession::ofThisProgram(), windows, programDir,
        app::settingsFilePath(programDir).parent_path());
    // A second start (a launcher clicked twice) brings the running copy forward and ends.
    if (!services.singleInstance->claim()) return 0;

    app::Program program(services.services());
    view::FormWindow mainWindow(program.mainForm, view::WindowStyle::Frameless, windows);
    view::FormWindow barWindow(program.topBar, view::WindowStyle::FloatingBar, windows);
    mainWindow.beforeShow = [&services] { services.foregroundWindow->remember(); };

    std::unique_ptr<program::StartupReport> startupReport;
    if (qEnvironmentVariable("SAHIFEX_REPORT_STARTUP") == QLatin1String("1"))
        startupReport = std::make_unique<program::StartupReport>(
            std::vector<QWidget*>{&mainWindow, &barWindow}, sinceMain);

    program.start();
    return services.loop->run();
}
