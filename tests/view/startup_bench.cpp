// How long the program takes from its forms to both windows drawn, and the memory it
// holds then: the windows, their widgets and pictures, on Qt's offscreen platform with
// the real Qt backends (the keyboard ones are the fake's: they do not draw).

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include "app/program.h"
#include "platform/fake/fake_system.h"
#include "platform/linux/linux_backends.h"
#include "platform/qt/window_registry.h"
#include "view/form_window.h"
#include "program/startup_report.h"

namespace sahifex::view {
namespace {

void BothWindowsDrawn(benchmark::State& state) {
    platform::fake::FakeSystem keyboard;
    platform::qt::WindowRegistry windows;
    const platform::ProgramServices qt = platform::createLinuxServices({}, windows, SAHIFEX_DATA_DIR);
    const platform::Services services = keyboard.keyboardOn(qt.services());
    long residentAfter = 0;
    for (auto _ : state) {
        app::Program program(services);
        FormWindow mainWindow(program.mainForm, WindowStyle::Frameless, windows);
        FormWindow barWindow(program.topBar, WindowStyle::FloatingBar, windows);
        program.mainForm.Form_Load();
        auto drawn = [](QWidget& window) {
            return QTest::qWaitFor([&] { return window.isVisible(); }) &&
                   QTest::qWaitForWindowExposed(&window);
        };
        if (!drawn(mainWindow) || !drawn(barWindow))
            state.SkipWithError("the windows were not drawn");
        mainWindow.repaint();
        barWindow.repaint();
        residentAfter = program::residentKilobytes();
    }
    state.counters["resident_MB"] = residentAfter / 1024.0;
}
BENCHMARK(BothWindowsDrawn)->Unit(benchmark::kMillisecond);

// A search that lists every verse: 6236 rows added one by one, as the search adds them,
// while the list is drawn.
void ResultListFilledThroughTheView(benchmark::State& state) {
    forms::Form form("Options_Form");
    forms::ListBox list("List1");
    form.add(list);
    form.move(0, 0, 5515, 3000);
    list.move(45, 515, 5400, 1290);
    platform::qt::WindowRegistry windows;
    FormWindow window(form, WindowStyle::Frameless, windows);
    form.Show();
    const std::u16string row = u"الحمد لله رب العالمين 2";
    for (auto _ : state) {
        list.setVisible(false);
        list.Clear();
        for (int i = 0; i < 6236; ++i) list.AddItem(row);
        list.setVisible(true);
        list.setListIndex(0);
        window.repaint();
    }
}
BENCHMARK(ResultListFilledThroughTheView)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sahifex::view
