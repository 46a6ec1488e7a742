#pragma once
// The program on one set of services: both windows, the values they share, and the
// wiring between them and the platform. Both programs, the tests and the benchmarks
// are composed this way; the view that draws the windows comes on top.

#include "app/options_form.h"
#include "app/program_state.h"
#include "bar/top_bar.h"
#include "platform/services.h"

namespace sahifex::app {

class Program {
public:
    explicit Program(const platform::Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up: loads the main window, which shows both windows.
    void start();

    ProgramState state;
    Options_Form mainForm;
    bar::Top_Bar topBar;

private:
    platform::SingleInstance& singleInstance_;
};

} // namespace sahifex::app
