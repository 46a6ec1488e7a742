// Runs the layout switches and the panel slides through the real Qt event loop and
// prints how long each takes; copies a word with xclip during a slide, to see the
// clipboard watcher take it; saves a picture of the window in every state into the
// folder given as the first argument. Run under an X server with a window manager:
//   scripts/x11-session --wm -- build/bin/layouts_figures /tmp/shots

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/program.h"
#include "platform/fake/fake_system.h"
#include "platform/linux/linux_backends.h"
#include "platform/qt/program_font.h"
#include "platform/qt/window_registry.h"
#include "store/utf.h"
#include "view/form_window.h"

using namespace sahifex;

namespace {

QString shotsDir;

void settle(int ms = 400) { QTest::qWait(ms); }

void shoot(QWidget& window, const char* name) {
    settle();
    if (shotsDir.isEmpty()) return;
    window.grab().save(shotsDir + "/" + name + ".png");
}

double timed(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setFont(platform::qt::programFont(10));
    if (argc > 1) shotsDir = QString::fromLocal8Bit(argv[1]);

    platform::fake::FakeSystem keyboard; // no keys are sent, no layout switched
    platform::qt::WindowRegistry windows;
    const platform::ProgramServices qt = platform::createLinuxServices(
        {}, windows, QCoreApplication::applicationDirPath().toStdString());
    app::Program program(keyboard.keyboardOn(qt.services()));
    app::Options_Form& main = program.mainForm;
    view::FormWindow mainWindow(main, view::WindowStyle::Frameless, windows);
    view::FormWindow barWindow(program.topBar, view::WindowStyle::FloatingBar, windows);
    main.Form_Load();
    if (!QTest::qWaitFor([&] { return mainWindow.isVisible(); }) ||
        !QTest::qWaitForWindowExposed(&mainWindow)) {
        std::fprintf(stderr, "layouts_figures: the window was not shown\n");
        return 1;
    }
    main.Text1.setText(u"الرحمن الرحيم");
    main.Command1_Click();
    shoot(mainWindow, "start");

    auto slide = [&](forms::Control& opener, forms::Control& panel, const char* name) {
        const double ms = timed([&] { opener.fireClick(); });
        std::printf("%-40s %8.0f ms\n", name, ms);
        shoot(mainWindow, name);
        panel.setVisible(false);
    };
    auto switchLayout = [&](const char* name) {
        const double ms = timed([&] { main.Image4.fireClick(); });
        std::printf("%-40s %8.0f ms  (%d x %d twips)\n", name, ms, main.width(), main.height());
        shoot(mainWindow, name);
    };

    main.setWidth(4700); // as a resize by the window's border leaves it
    settle();
    switchLayout("layout-wide");
    slide(main.Image1, main.Pic_search_settings, "layout-wide-options");
    slide(main.Label23, main.Picture6, "layout-wide-multi-verse");
    main.SearchAgain.fireClick();
    switchLayout("layout-narrow");
    slide(main.Image1, main.Pic_search_settings, "layout-narrow-options");
    slide(main.Label23, main.Picture6, "layout-narrow-multi-verse");
    main.SearchAgain.fireClick();

    // A word copied by another program right before a slide, with tracking on: the
    // watcher's tick falls due in the middle of the slide.
    bool sliding = false, takenDuringSlide = false;
    forms::Subscription searchBox = main.Text1.observe([&](forms::Control&, forms::Change c) {
        if (c == forms::Change::Text && !main.Text1.text().empty() && sliding)
            takenDuringSlide = true;
    });
    QProcess::startDetached("sh", {"-c", "printf 'يئوده' | xclip -selection clipboard"});
    main.Timer2.setInterval(700);
    settle(550);
    sliding = true;
    slide(main.Image1, main.Pic_search_settings, "slide-with-copy");
    sliding = false;
    std::printf("a copy during the slide: %s by the watcher, direct sends %zu\n",
                takenDuringSlide ? "taken" : "NOT taken", keyboard.pasted.size());
    main.Timer2.setInterval(0);

    // The help box, pictured while it is open.
    QTimer::singleShot(500, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!shotsDir.isEmpty()) box->grab().save(shotsDir + "/help.png");
            box->accept();
        }
    });
    main.Command13.fireClick();
    return 0;
}
