// The program as its package installs it (tests/install/installed_package_test.sh): started
// by the link in bin, from a folder the user cannot write, it pastes a verse and keeps the
// user's options in the user's configuration folder.

#include <cstdlib>

#include "e2e_fixture.h"

namespace sahifex::e2e {
namespace {

namespace fs = std::filesystem;
using Installed = E2eTest;

TEST_F(Installed, AVersePastesAndTheOptionsGoToTheUsersConfigurationFolder) {
    ASSERT_NE(std::getenv("SAHIFEX_E2E_INSTALLED_PROGRAM"), nullptr)
        << "run by the installed-package test, which names the installed program";
    startScene();
    const auto found = verses().wholeWordMatches("الصمد");
    ASSERT_EQ(found.size(), 1u);
    searchFor("الصمد");
    EXPECT_EQ(editorTextAfterChange(), withReference(*found.front(), found.front()->vocalized));

    const PixelRect gear = places().barSettings();
    clickAt(scene->barWindow(), gear.centerX(), gear.centerY());
    places().openOptionsFromTheBar();
    const PixelRect save = places().saveButton();
    clickAt(scene->mainWindow(), save.centerX(), save.centerY());
    const fs::path saved = scene->configDir() / "sahifex" / "Sahifex.ini";
    EXPECT_TRUE(waitUntil([&] { return fs::exists(saved); }, kStepLimit)) << saved;
    EXPECT_FALSE(fs::exists(scene->programDir() / "Sahifex.ini"));
}

} // namespace
} // namespace sahifex::e2e
