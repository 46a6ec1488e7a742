// The Linux factory on a session without a display (Qt's offscreen platform): every
// service is still there, the program can be composed on them, and what cannot work
// says so instead of pretending.

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/linux/linux_backends.h"
#include "platform/qt/window_registry.h"

namespace sahifex::platform {
namespace {

TEST(LinuxServices, WithoutADisplayEveryServiceIsThereAndThePasteFailsOpenly) {
    const LinuxSession session = LinuxSession::ofThisProgram();
    ASSERT_FALSE(session.x11) << "the test runs on the offscreen platform";
    qt::WindowRegistry windows;
    const ProgramServices services = createLinuxServices(session, windows, SAHIFEX_DATA_DIR);
    ASSERT_TRUE(services.clipboard && services.keystrokes && services.layouts &&
                services.topmost && services.messages && services.metrics && services.loop &&
                services.screen && services.autostart && services.foregroundWindow &&
                services.singleInstance);

    app::Program program(services.services());
    EXPECT_FALSE(services.keystrokes->sendKeysAndWait("^v"));
    EXPECT_EQ(services.layouts->activeLayoutName(), "");
    EXPECT_TRUE(services.clipboard->setText(u"الحمد"));
    EXPECT_EQ(services.clipboard->text(), u"الحمد");
    // With no other copy to be found, this one runs, and still answers a second start.
    EXPECT_TRUE(services.singleInstance->claim());
    services.singleInstance->onSecondStart();
    EXPECT_TRUE(program.mainForm.visible());
}

} // namespace
} // namespace sahifex::platform
