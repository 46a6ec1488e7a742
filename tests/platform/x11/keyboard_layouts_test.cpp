// The XKB layouts, and SetKbLayout on them, in a session with "us,ara".

#include <QGuiApplication>

#include "app/options_form.h"
#include "platform/fake/fake_system.h"
#include "platform/x11/x11_keyboard_layouts.h"
#include "platform/x11/x11_test_support.h"

#include <gtest/gtest.h>

namespace sahifex::testing::x11 {
namespace {

using platform::x11::X11KeyboardLayouts;

// Counts the loads that reach the real layouts.
class CountingLayouts : public platform::KeyboardLayouts {
public:
    std::string activeLayoutName() override { return real->activeLayoutName(); }
    void loadAndActivate(const std::string& id) override {
        ++loads;
        real->loadAndActivate(id);
    }
    platform::KeyboardLayouts* real = nullptr;
    int loads = 0;
};

struct Layouts : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(run("setxkbmap -layout us,ara").status, 0);
        std::string error;
        layouts = X11KeyboardLayouts::create(error);
        ASSERT_TRUE(layouts) << error;
        counting.real = layouts.get();
        layouts->loadAndActivate("00000409");
    }
    void TearDown() override { run("setxkbmap -layout us,ara"); }

    // The main window on the fake platform, with the real layouts.
    app::Options_Form& mainWindow() {
        services.emplace(fake.servicesWith(counting));
        form.emplace(*services, program);
        return *form;
    }

    std::unique_ptr<X11KeyboardLayouts> layouts;
    CountingLayouts counting;
    platform::fake::FakeSystem fake;
    app::ProgramState program;
    std::optional<platform::Services> services;
    std::optional<app::Options_Form> form;
};

TEST_F(Layouts, ReadsTheConfiguredGroupsAndNamesTheActiveOne) {
    EXPECT_EQ(layouts->configuredLayouts(), (std::vector<std::string>{"us", "ara"}));
    EXPECT_EQ(layouts->activeGroup(), 0);
    EXPECT_EQ(layouts->activeLayoutName(), "00000409");
    layouts->loadAndActivate("00000401");
    EXPECT_EQ(layouts->activeGroup(), 1);
    EXPECT_EQ(layouts->activeLayoutName(), "00000401");
    layouts->loadAndActivate("00000409");
    EXPECT_EQ(layouts->activeGroup(), 0);
}

TEST_F(Layouts, SetKbLayoutSwitchesBothWays) {
    auto& main = mainWindow();
    EXPECT_TRUE(main.SetKbLayout("00000401"));
    EXPECT_EQ(layouts->activeGroup(), 1);
    EXPECT_TRUE(main.SetKbLayout("00000409"));
    EXPECT_EQ(layouts->activeGroup(), 0);
    EXPECT_EQ(counting.loads, 2);
}

TEST_F(Layouts, SetKbLayoutLoadsNothingForTheActiveLayout) {
    auto& main = mainWindow();
    EXPECT_TRUE(main.SetKbLayout("00000409"));
    EXPECT_EQ(counting.loads, 0);
    layouts->loadAndActivate("00000401");
    EXPECT_TRUE(main.SetKbLayout("00000401"));
    EXPECT_EQ(counting.loads, 0);
    EXPECT_EQ(layouts->activeGroup(), 1);
}

TEST_F(Layouts, ALayoutThatIsNotConfiguredLeavesTheGroupAsItWas) {
    ASSERT_EQ(run("setxkbmap -layout us").status, 0);
    ASSERT_TRUE(waitUntil([&] { return layouts->configuredLayouts().size() == 1; }, 2000));
    auto& main = mainWindow();
    EXPECT_FALSE(main.SetKbLayout("00000401"));
    EXPECT_EQ(layouts->activeGroup(), 0);
    EXPECT_EQ(layouts->activeLayoutName(), "00000409");

    // The Arabic group active, and English not configured.
    ASSERT_EQ(run("setxkbmap -layout fr,ara").status, 0);
    ASSERT_TRUE(waitUntil([&] { return layouts->configuredLayouts() ==
                                       std::vector<std::string>{"fr", "ara"}; }, 2000));
    layouts->loadAndActivate("00000401");
    ASSERT_EQ(layouts->activeGroup(), 1);
    EXPECT_FALSE(main.SetKbLayout("00000409"));
    EXPECT_EQ(layouts->activeGroup(), 1);
    EXPECT_EQ(layouts->activeLayoutName(), "00000401");
}

TEST_F(Layouts, AnUnknownIdChangesNothing) {
    layouts->loadAndActivate("00000401");
    layouts->loadAndActivate("0000041E");
    EXPECT_EQ(layouts->activeGroup(), 1);
    EXPECT_EQ(X11KeyboardLayouts::layoutId("us"), "00000409");
    EXPECT_EQ(X11KeyboardLayouts::layoutId("ara"), "00000401");
    EXPECT_EQ(X11KeyboardLayouts::layoutId("xx"), "");
}

} // namespace
} // namespace sahifex::testing::x11
