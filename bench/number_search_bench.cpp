// The search by number from the tick that takes a copied reference to the paste, with
// the real Qt event loop, clipboard and windows (the keyboard backends are the fake's:
// the paste is recorded, not sent). Its worst case is a reference in surah 114: the
// plain file is read almost to its end with a yield to the event loop after every line.
// Target: within 150 ms of the tick.

#include <QTest>
#include <benchmark/benchmark.h>

#include "app/program.h"
#include "platform/fake/fake_system.h"
#include "platform/linux/linux_backends.h"
#include "platform/qt/window_registry.h"
#include "view/form_window.h"

namespace sahifex {
namespace {

void TickToPaste(benchmark::State& state, std::u16string reference) {
    platform::fake::FakeSystem keyboard;
    platform::qt::WindowRegistry windows;
    const platform::ProgramServices qt = platform::createLinuxServices({}, windows, SAHIFEX_DATA_DIR);
    app::Program program(keyboard.keyboardOn(qt.services()));
    app::Options_Form& main = program.mainForm;
    view::FormWindow mainWindow(main, view::WindowStyle::Frameless, windows);
    view::FormWindow barWindow(program.topBar, view::WindowStyle::FloatingBar, windows);
    main.Form_Load();
    // Start-up's first show waits for the event loop.
    for (QWidget* window : {static_cast<QWidget*>(&mainWindow), static_cast<QWidget*>(&barWindow)})
        if (!QTest::qWaitFor([&] { return window->isVisible(); }) ||
            !QTest::qWaitForWindowExposed(window))
            state.SkipWithError("the windows were not drawn");
    // The ticks are run below by hand; a tick of the timer itself could come at any
    // point of the loop.
    main.Timer2.setInterval(0);

    for (auto _ : state) {
        state.PauseTiming();
        qt.clipboard->setText(reference); // the user copies the reference
        const size_t pastes = keyboard.pasted.size();
        state.ResumeTiming();

        main.Timer2_Timer();

        state.PauseTiming();
        if (keyboard.pasted.size() != pastes + 1) state.SkipWithError("nothing was pasted");
        QCoreApplication::processEvents(); // what the tick left to draw, outside the figure
        state.ResumeTiming();
    }
    state.counters["verses_listed"] = main.List5.ListCount();
}

// The worst case, a reference in the middle of the text, and the first verse.
BENCHMARK_CAPTURE(TickToPaste, surah_114, std::u16string(u"الناس:5"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(TickToPaste, surah_2, std::u16string(u"البقرة:255"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(TickToPaste, surah_1, std::u16string(u"الفاتحة:1"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace sahifex
