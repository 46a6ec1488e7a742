// Displays the backends cannot work on: each ends in a clear message and a failure
// result, never a crash or a hang, and only the service the display lacks gets its
// stand-in. Each case runs x11_probe in an X session of its own.

#include "platform/x11/x11_test_support.h"

#include <gtest/gtest.h>

namespace sahifex::testing::x11 {
namespace {

// Runs the probe in a fresh session; the output is stdout and stderr together.
CommandResult probe(const std::string& sessionOptions, const std::string& env,
                    const std::string& mode) {
    return run("timeout 30 " SAHIFEX_X11_SESSION " " + sessionOptions + " -- env " + env +
               " " SAHIFEX_X11_PROBE " " + mode + " 2>&1");
}

TEST(Faults, ADisplayWithEverythingMakesTheBackends) {
    auto result = probe("", "", "channel");
    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_NE(result.out.find("keystrokes: display, layouts: display, foreground: display, "
                              "single instance: display\nbackends ready"),
              std::string::npos)
        << result.out;
}

TEST(Faults, NoXTestIsAClearFailure) {
    auto result = probe("--xvfb-arg -extension --xvfb-arg XTEST", "", "channel");
    EXPECT_EQ(result.status, 2) << result.out;
    EXPECT_NE(result.out.find("has no XTest extension"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("keystrokes: stand-in, layouts: display, foreground: display"),
              std::string::npos)
        << result.out;
}

// Xvfb cannot run without XKB; Xlib's XKB_DISABLE makes this client see none.
TEST(Faults, NoXkbIsAClearFailure) {
    auto result = probe("--layouts none", "XKB_DISABLE=1", "channel");
    EXPECT_EQ(result.status, 2) << result.out;
    EXPECT_NE(result.out.find("has no XKB extension"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("keystrokes: display, layouts: stand-in, foreground: display"),
              std::string::npos)
        << result.out;
}

TEST(Faults, ADisplayThatGoesAwayEndsWithAMessage) {
    auto result = probe("", "", "lose-display");
    EXPECT_NE(result.status, 0) << result.out;
    EXPECT_NE(result.status, 124) << "hung after the display went away:\n" << result.out;
    EXPECT_EQ(result.out.find("still running"), std::string::npos) << result.out;
    EXPECT_TRUE(result.out.find("was lost") != std::string::npos ||
                result.out.find("X11 connection broke") != std::string::npos)
        << result.out;
}

} // namespace
} // namespace sahifex::testing::x11
