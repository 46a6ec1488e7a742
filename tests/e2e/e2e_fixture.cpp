#include "e2e_fixture.h"

#include <cstdlib>
#include <iostream>

namespace sahifex::e2e {

void E2eTest::startScene(const std::string& editorText) {
    scene = std::make_unique<E2eSession>(editorText);
    scene->startProgram();
}

void E2eTest::TearDown() {
    if (HasFailure() && scene) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        scene->screenshot(std::string(test->test_suite_name()) + "." + test->name());
        const std::string log = scene->programLog();
        if (!log.empty()) std::cerr << "The program's output:\n" << log;
    }
    scene.reset();
}

void E2eTest::searchFor(const std::string& word) {
    const PixelRect box = places().searchBox();
    clickAt(scene->mainWindow(), box.centerX(), box.centerY());
    typeText(word);
    pressKeys("Return");
}

void E2eTest::searchWithOptionsClicked(std::initializer_list<OptionBox> boxes, const std::string& word) {
    searchFor("خيارات");
    const int withOptions = places().outerHeightWithOptions();
    ASSERT_TRUE(waitUntil([&] { return scene->mainWindowOuterHeight() >= withOptions; }, kStepLimit))
        << "the window takes the height of the options panel";
    clickOptionBoxes(boxes);
    const PixelRect uncovered = places().searchBoxAboveOptions();
    clickAt(scene->mainWindow(), uncovered.centerX(), uncovered.centerY());
    typeText(word);
    pressKeys("Return");
}

void E2eTest::clickOptionBoxes(std::initializer_list<OptionBox> boxes) {
    for (OptionBox box : boxes) {
        // On the box itself, which the right-to-left window draws at the right end.
        const PixelRect place = places().optionsCheck(box);
        clickAt(scene->mainWindow(), place.x + place.width - 8, place.centerY());
    }
}

std::string E2eTest::editorTextAfterChange() {
    if (!scene->waitForEditorChange()) return "";
    return scene->saveEditor();
}

void E2eTest::clickSearchingImage() {
    const PixelRect image = places().barSearching();
    clickAt(scene->barWindow(), image.centerX(), image.centerY());
    sleepFor(100ms);
}

void E2eTest::copyLine(int n) {
    scene->selectEditorLine(n);
    pressKeys("ctrl+c");
}

const VerseData& verses() {
    // The verse files beside the program under test: the installed one when one is named.
    static const char* installed = std::getenv("SAHIFEX_E2E_INSTALLED_PROGRAM");
    static const VerseData data(installed ? std::filesystem::canonical(installed).parent_path()
                                          : std::filesystem::path(SAHIFEX_PROGRAM).parent_path());
    return data;
}

ControlPlaces& E2eTest::places() {
    if (!places_) places_ = std::make_unique<ControlPlaces>(scene->programDir().string());
    return *places_;
}

} // namespace sahifex::e2e
