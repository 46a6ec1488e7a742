// Continuing a quotation: a reference copied in the editor with tracking on, and the
// verse after it pasted there, compared with the Tanzil text itself.

#include <fstream>

#include "e2e_fixture.h"

namespace sahifex::e2e {
namespace {

// Three ticks of the slower tracking interval: time enough for a search to start.
constexpr auto kThreeTicks = 2100ms;

// The verse's text in the Tanzil export that the vocalized file is made from
// ("surah|verse|text" lines, UTF-8).
std::string tanzilVerse(int surah, int verse) {
    std::ifstream in(std::string(SAHIFEX_TANZIL_DIR) + "/quran-simple.txt", std::ios::binary);
    const std::string prefix = std::to_string(surah) + "|" + std::to_string(verse) + "|";
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
    }
    throw std::runtime_error("no verse " + prefix + " in the Tanzil text");
}

std::string continuation(int surah, int verse) { return e2e::continuation(verses().at(surah, verse)); }

class ReferenceCopied : public E2eTest {
protected:
    // The editor with this text, the program, tracking switched on from the bar.
    void startTracking(const std::string& editorText) {
        startScene(editorText);
        scene->clickIntoEditor();
        clickSearchingImage();
        ASSERT_TRUE(scene->editorHasFocus());
    }

    // The program's windows other than its main window and its bar.
    std::vector<WindowId> otherProgramWindows() const {
        std::vector<WindowId> others;
        for (WindowId w : visibleWindowsOf(scene->programPid()))
            if (w != scene->mainWindow() && w != scene->barWindow()) others.push_back(w);
        return others;
    }

    // A copy that must change nothing: no paste, no message, the program still running.
    void expectNothingFrom(int line) {
        copyLine(line);
        sleepFor(kThreeTicks);
        EXPECT_FALSE(scene->editorModified()) << "line " << line << " pasted something";
        EXPECT_TRUE(otherProgramWindows().empty()) << "line " << line << " showed a message";
        EXPECT_TRUE(scene->programRuns());
    }
};

TEST_F(ReferenceCopied, TheNextVerseIsPastedByteForByte) {
    startTracking("البقرة:255");
    const std::string expected = continuation(2, 256);
    ASSERT_EQ(tanzilVerse(2, 256), verses().at(2, 256).vocalized)
        << "the vocalized file holds the Tanzil text";
    copyLine(1);
    EXPECT_EQ(editorTextAfterChange(), expected);
    EXPECT_TRUE(scene->editorHasFocus());

    // The pasted text holds a reference, but it is the program's own: nothing more comes.
    sleepFor(kThreeTicks);
    EXPECT_FALSE(scene->editorModified());
    EXPECT_EQ(scene->saveEditor(), expected);
}

TEST_F(ReferenceCopied, TheLastVerseOfASurahShowsTheMessageAndPastesNothing) {
    startTracking("الإخلاص:4");
    copyLine(1);
    WindowId box = 0;
    ASSERT_TRUE(waitUntil([&] {
        const auto others = otherProgramWindows();
        if (!others.empty()) box = others.front();
        return box != 0;
    }, kStepLimit)) << "no message box came";
    EXPECT_TRUE(isDialogWindow(box));
    EXPECT_FALSE(scene->editorModified()) << "nothing is pasted while the message shows";
    EXPECT_EQ(clipboardText(), "الإخلاص:4") << "the clipboard is cleared only after OK";

    // OK, its only button, is the default one.
    activate(box);
    pressKeys("Return");
    EXPECT_TRUE(waitUntil([&] { return otherProgramWindows().empty(); }, kStepLimit))
        << "the message box went away";
    EXPECT_TRUE(waitUntil([] { return clipboardText().empty(); }, kStepLimit))
        << "the clipboard is empty afterwards";
    sleepFor(kThreeTicks);
    EXPECT_FALSE(scene->editorModified());
    EXPECT_TRUE(otherProgramWindows().empty()) << "the message came once";
    EXPECT_TRUE(clipboardText().empty());
}

TEST_F(ReferenceCopied, TheSurahNameNeedsItsDamma) {
    startTracking("الدخان:1\nالدُخان:1");
    expectNothingFrom(1);
    copyLine(2);
    EXPECT_EQ(editorTextAfterChange(), "الدخان:1\n" + continuation(44, 2));
}

TEST_F(ReferenceCopied, BadReferencesChangeNothing) {
    // No surah; no number; Arabic-Indic digits; a negative and a fractional number.
    startTracking("سورة:5\nالبقرة:\nالبقرة:٢٥٥\nالبقرة:-1\nالبقرة:2.5\nالبقرة:255");
    for (int line = 1; line <= 5; ++line) expectNothingFrom(line);
    // Tracking ran all along.
    copyLine(6);
    EXPECT_EQ(editorTextAfterChange(),
              "سورة:5\nالبقرة:\nالبقرة:٢٥٥\nالبقرة:-1\nالبقرة:2.5\n" + continuation(2, 256));
}

TEST_F(ReferenceCopied, AMegabyteWithAColonChangesNothing) {
    // 10,000 lines of 100 bytes, then a reference: copied whole, the text before its
    // colon is no surah name.
    std::string text;
    const std::string line = std::string(49, 'x') + std::string("بببببببببببببببببببببببببAA", 50);
    for (int i = 0; i < 10000; ++i) text += line + "\n";
    ASSERT_GE(text.size(), 1000000u);
    startTracking(text + "البقرة:255");
    pressKeys("ctrl+a ctrl+c");
    sleepFor(kThreeTicks);
    EXPECT_FALSE(scene->editorModified());
    EXPECT_TRUE(otherProgramWindows().empty());
    ASSERT_TRUE(scene->programRuns());
    // The reference alone still works.
    pressKeys("ctrl+End Home shift+End ctrl+c");
    EXPECT_EQ(editorTextAfterChange(), text + continuation(2, 256));
}

} // namespace
} // namespace sahifex::e2e
