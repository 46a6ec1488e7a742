// Copy tracking: a word copied in the editor, and what the program does with it.

#include <fstream>

#include "e2e_fixture.h"

namespace sahifex::e2e {
namespace {

// Three ticks of the slower tracking interval: time enough for a search to start.
constexpr auto kThreeTicks = 2100ms;

class Tracking : public E2eTest {
protected:
    // The main window's own switch; the user then goes back to the editor.
    void startTrackingWithCheckBox() {
        const PixelRect box = places().trackingCheck();
        clickAt(scene->mainWindow(), box.x + box.width - 8, box.centerY());
        sleepFor(100ms);
        scene->clickIntoEditor();
    }
    std::string verseOf(const std::string& word) {
        const auto found = verses().wholeWordMatches(word);
        if (found.size() != 1) throw std::runtime_error(word + " is not in exactly one verse");
        return withReference(*found.front(), found.front()->vocalized);
    }
};

TEST_F(Tracking, SearchingImageSwitchesTrackingWhileTheEditorKeepsTheFocus) {
    startScene("مدهامتان\nالصمد");
    scene->clickIntoEditor();
    ASSERT_TRUE(scene->editorHasFocus());

    clickSearchingImage();
    EXPECT_TRUE(scene->editorHasFocus()) << "clicking the bar keeps the focus in the editor";
    copyLine(2);
    EXPECT_EQ(editorTextAfterChange(), "مدهامتان\n" + verseOf("الصمد"));
    EXPECT_TRUE(scene->editorHasFocus());

    clickSearchingImage();
    EXPECT_TRUE(scene->editorHasFocus());
    copyLine(1);
    sleepFor(kThreeTicks);
    EXPECT_FALSE(scene->editorModified()) << "tracking was stopped";

    clickSearchingImage();
    EXPECT_TRUE(scene->editorHasFocus());
    sleepFor(kThreeTicks);
    EXPECT_FALSE(scene->editorModified())
        << "the word copied while tracking stood still is no request once it runs again";
    copyLine(1);
    EXPECT_EQ(editorTextAfterChange(), verseOf("مدهامتان") + "\n" + verseOf("الصمد"))
        << "the same word copied again is";
    EXPECT_TRUE(scene->editorHasFocus());
    EXPECT_FALSE(scene->mainWindowShown());
}

TEST_F(Tracking, CopiedWordWithSeveralMatchesShowsTheList) {
    startScene("الم");
    startTrackingWithCheckBox();
    ASSERT_NE(activeWindow(), scene->mainWindow());
    copyLine(1);
    EXPECT_TRUE(waitUntil([&] { return activeWindow() == scene->mainWindow(); }, kStepLimit))
        << "the main window comes up with the list";
    EXPECT_FALSE(scene->editorModified()) << "nothing is pasted before the user chooses";
}

TEST_F(Tracking, LatinTextAndWordsEndingInADiacriticStartNothing) {
    startScene("hello world\nالصَّمَدُ\nالصمد");
    startTrackingWithCheckBox();
    copyLine(1);
    sleepFor(kThreeTicks);
    EXPECT_FALSE(scene->editorModified()) << "Latin text";
    copyLine(2);
    sleepFor(kThreeTicks);
    EXPECT_FALSE(scene->editorModified()) << "a word ending in a diacritic";
    EXPECT_TRUE(scene->editorHasFocus());

    // Tracking ran all along: the plain word is found.
    copyLine(3);
    EXPECT_EQ(editorTextAfterChange(), "hello world\nالصَّمَدُ\n" + verseOf("الصمد"));
}

TEST_F(Tracking, UnderTheFlexibleSearchAWordCopiedFromAVocalizedTextPastesItsVerse) {
    scene = std::make_unique<E2eSession>("hello\nالصَّمَدُ");
    // Saved with the clipboard option (tracking at start) and the flexible search ticked.
    std::ofstream(scene->programDir() / "Sahifex.ini", std::ios::binary) << "0*0*16*12*0*0*0*0*1*1*0*1*0*\r\n";
    scene->startProgram();
    scene->clickIntoEditor();
    copyLine(2);
    EXPECT_EQ(editorTextAfterChange(), "hello\n" + verseOf("الصمد"));
    EXPECT_TRUE(scene->editorHasFocus());
}

TEST_F(Tracking, ACopyWhoseOwnerLeavesTheFirstRequestUnansweredIsPasted) {
    startScene();
    scene->clickIntoEditor();
    clickSearchingImage();
    // As LibreOffice does at times: the first request for the new text gets no answer.
    Process owner({SAHIFEX_CLIPBOARD_OWNER, "--unanswered", "1", "--text", "الصمد"},
                  currentEnvironment(), "/dev/null");
    EXPECT_EQ(editorTextAfterChange(), verseOf("الصمد"));
}

} // namespace
} // namespace sahifex::e2e
