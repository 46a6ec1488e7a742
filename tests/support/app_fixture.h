#pragma once
// Both windows on the fake platform, as tests of the handlers use them.

#include <gtest/gtest.h>

#include "app/options_form.h"
#include "bar/top_bar.h"
#include "platform/fake/fake_system.h"
#include "store/utf.h"

namespace sahifex::testing {

struct AppFixture : ::testing::Test {
    explicit AppFixture(std::filesystem::path programDir = SAHIFEX_DATA_DIR)
        : services(fake.services(std::move(programDir))), main(services, program),
          bar(services, program, main) {
        main.setTopBar(bar);
    }

    platform::fake::FakeSystem fake;
    platform::Services services;
    app::ProgramState program;
    app::Options_Form main;
    bar::Top_Bar bar;
};

inline std::string utf8(const std::u16string& s) { return store::toUtf8(s); }

} // namespace sahifex::testing
