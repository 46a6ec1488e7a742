#pragma once
// Both windows on the fake platform, as tests of the handlers use them.

#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/fake/fake_system.h"
#include "store/utf.h"

namespace sahifex::testing {

struct AppFixture : ::testing::Test {
    explicit AppFixture(std::filesystem::path programDir = SAHIFEX_DATA_DIR)
        : services(fake.services(std::move(programDir))), composed(services) {}

    platform::fake::FakeSystem fake;
    platform::Services services;
    app::Program composed;
    app::ProgramState& program = composed.state;
    app::Options_Form& main = composed.mainForm;
    bar::Top_Bar& bar = composed.topBar;
};

inline std::string utf8(const std::u16string& s) { return store::toUtf8(s); }

} // namespace sahifex::testing
