#pragma once
// The program on the fakes, its two forms drawn in a view's windows and its text measured
// by that view: what the window walks of both views start from.

#include <optional>

#include "app/program.h"
#include "platform/fake/fake_system.h"

namespace sahifex::testing {

template <class Metrics, class Registry, class Window, auto kMainStyle, auto kBarStyle>
struct DrawnProgram {
    DrawnProgram() {
        services.emplace(fake.servicesMeasuredBy(metrics, SAHIFEX_DATA_DIR));
        program.emplace(*services);
        main = &program->mainForm;
        bar = &program->topBar;
        mainWindow.emplace(*main, kMainStyle, windows);
        barWindow.emplace(*bar, kBarStyle, windows);
    }
    platform::fake::FakeSystem fake;
    Metrics metrics;
    Registry windows;
    std::optional<platform::Services> services;
    std::optional<app::Program> program;
    app::Options_Form* main = nullptr;
    bar::Top_Bar* bar = nullptr;
    std::optional<Window> mainWindow;
    std::optional<Window> barWindow;
};

} // namespace sahifex::testing
