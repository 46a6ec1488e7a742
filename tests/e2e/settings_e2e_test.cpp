// The options saved on request and restored at the next start, which starts tracking.

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "e2e_fixture.h"

namespace sahifex::e2e {
namespace {

namespace fs = std::filesystem;

// Three ticks of the slower tracking interval: time enough for a search to start.
constexpr auto kThreeTicks = 2100ms;

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct ScreenSize {
    int width = 0, height = 0;
};

ScreenSize screenSize() {
    std::istringstream out(runOrThrow({"xdotool", "getdisplaygeometry"}));
    ScreenSize size;
    out >> size.width >> size.height;
    return size;
}

class Settings : public E2eTest {
protected:
    fs::path settingsFile() const { return scene->programDir() / "Sahifex.ini"; }

    void copyLine(int n) {
        scene->selectEditorLine(n);
        pressKeys("ctrl+c");
    }

    // Opens the options panel with the bar's gear and clicks the boxes.
    void clickOptions(std::initializer_list<OptionBox> boxes) {
        const PixelRect gear = places().barSettings();
        clickAt(scene->barWindow(), gear.centerX(), gear.centerY());
        places().openOptionsFromTheBar();
        const int withOptions = places().outerHeightWithOptions();
        ASSERT_TRUE(waitUntil([&] { return scene->mainWindowOuterHeight() >= withOptions; }, kStepLimit))
            << "the options panel opens";
        clickOptionBoxes(boxes);
    }

    void pressSave() {
        const PixelRect save = places().saveButton();
        clickAt(scene->mainWindow(), save.centerX(), save.centerY());
    }

    // The bar's close command, confirmed with Enter.
    void endFromTheBar() {
        const pid_t pid = scene->programPid();
        const PixelRect close = places().barClose();
        clickAt(scene->barWindow(), close.centerX(), close.centerY());
        ASSERT_TRUE(waitUntil([&] { return visibleWindowsOf(pid).size() > 2; }, kStepLimit))
            << "the close confirmation shows";
        pressKeys("Return");
        ASSERT_TRUE(waitUntil([&] { return !scene->programRuns(); }, kStepLimit)) << "the program ends";
    }

    // The main window's outer rectangle on the screen, in pixels.
    Geometry mainWindowOuter() const {
        const Geometry client = geometryOf(scene->mainWindow());
        const FrameExtents frame = frameOf(scene->mainWindow());
        return {client.x - frame.left, client.y - frame.top, client.width + frame.left + frame.right,
                client.height + frame.top + frame.bottom};
    }
};

TEST_F(Settings, OptionsSavedBeforeTheEndComeBackAtTheNextStartWithTrackingOn) {
    startScene("hello\nالصمد");
    const auto found = verses().wholeWordMatches("الصمد");
    ASSERT_EQ(found.size(), 1u);
    const Verse& verse = *found.front();
    ASSERT_NE(verse.plain, verse.vocalized);
    ASSERT_FALSE(fs::exists(settingsFile()));

    scene->clickIntoEditor();
    copyLine(2);
    sleepFor(kThreeTicks);
    ASSERT_FALSE(scene->editorModified()) << "without a settings file tracking stays off";
    // Latin text, which starts nothing, stays on the clipboard from here on.
    copyLine(1);

    // The search box took the focus when the window came up, which clears the clipboard
    // option: it is ticked again, with "without diacritics" and "close after sending";
    // "surah and number" is cleared; the flexible search is ticked; the options added after it stay off.
    clickOptions({&app::Options_Form::Check7, &app::Options_Form::Check2, &app::Options_Form::Check1,
                  &app::Options_Form::Check5, &app::Options_Form::FlexibleSearch});
    pressSave();
    ASSERT_TRUE(waitUntil([&] { return fs::exists(settingsFile()); }, kStepLimit)) << "save writes the file";
    const std::string bytes = readFile(settingsFile());
    const Geometry outer = mainWindowOuter();
    std::smatch position;
    ASSERT_TRUE(std::regex_match(bytes, position, std::regex(R"((-?\d+)\*(-?\d+)\*16\*12\*0\*0\*1\*0\*0\*1\*1\*1\*0\*0\*0\*0\*\r\n)")))
        << bytes;
    // The window's place in twips, as the program last knew it: within a pixel of the screen's.
    EXPECT_NEAR(std::stoi(position[1]), outer.x * 15, 15);
    EXPECT_NEAR(std::stoi(position[2]), outer.y * 15, 15);

    endFromTheBar();
    scene->startProgram();
    EXPECT_EQ(readFile(settingsFile()), bytes) << "start-up only reads the file";

    scene->clickIntoEditor();
    copyLine(2);
    EXPECT_EQ(editorTextAfterChange(), "hello\n" + verse.plain)
        << "tracking runs, and the verse goes without diacritics and without its reference";
    EXPECT_TRUE(scene->editorHasFocus());
}

TEST_F(Settings, AFileSavedInTheWideLayoutRestoresACentredWindow) {
    scene = std::make_unique<E2eSession>("");
    std::ofstream(scene->programDir() / "Sahifex.ini", std::ios::binary) << "0*0*16*12*0*0*0*1*1*1*0*\r\n";
    scene->startProgram();
    sleepFor(300ms);
    const Geometry outer = mainWindowOuter();
    const ScreenSize screen = screenSize();
    EXPECT_NEAR(outer.x * 2 + outer.width, screen.width, 2) << "centred across";
    EXPECT_NEAR(outer.y * 2 + outer.height, screen.height, 2) << "centred from top to bottom";
}

} // namespace
} // namespace sahifex::e2e
