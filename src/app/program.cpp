#include "app/program.h"

#include "platform/handler_guard.h"

namespace sahifex::app {

Program::Program(const platform::Services& services)
    : mainForm(services, state), topBar(services, state, mainForm),
      singleInstance_(services.singleInstance) {
    mainForm.setTopBar(topBar);
    // A later start (a launcher clicked twice) brings this copy's main window forward.
    singleInstance_.onSecondStart = [this] { platform::runHandler([this] { mainForm.Show(); }); };
}

Program::~Program() { singleInstance_.onSecondStart = nullptr; }

void Program::start() {
    platform::runHandler([this] { mainForm.Form_Load(); });
}

} // namespace sahifex::app
