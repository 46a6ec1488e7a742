// The program composed on the fakes: both windows wired to each other and to the
// platform, and nothing left pointing at them once the program is gone.

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/fake/fake_system.h"

namespace sahifex::testing {
namespace {

TEST(Program, ASecondStartBringsTheHiddenMainWindowForwardWhileTheProgramRuns) {
    platform::fake::FakeSystem fake;
    {
        app::Program program(fake.services(SAHIFEX_DATA_DIR));
        program.start();
        EXPECT_EQ(&program.mainForm.topBar(), &program.topBar);
        EXPECT_TRUE(program.topBar.loaded());
        program.mainForm.Hide();
        fake.secondStart();
        EXPECT_TRUE(program.mainForm.visible());
    }
    EXPECT_FALSE(fake.onSecondStart) << "a start after the end would reach a window that is gone";
}

} // namespace
} // namespace sahifex::testing
