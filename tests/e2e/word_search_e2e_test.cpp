// A word typed into the search box, and what arrives in the editor.

#include "e2e_fixture.h"

namespace sahifex::e2e {
namespace {

using WordSearch = E2eTest;

// The only verse holding the word; fails the test when the data holds another number.
const Verse& onlyVerseWith(const std::string& word) {
    const auto found = verses().wholeWordMatches(word);
    if (found.size() != 1) throw std::runtime_error(word + " is not in exactly one verse");
    return *found.front();
}

TEST_F(WordSearch, OneMatchPastesTheVocalizedVerseWithItsReference) {
    for (const std::string word : {"الصمد", "مدهامتان"}) {
        SCOPED_TRACE(word);
        startScene();
        const Verse& verse = onlyVerseWith(word);
        searchFor(word);
        EXPECT_EQ(editorTextAfterChange(), withReference(verse, verse.vocalized));
        EXPECT_FALSE(scene->mainWindowShown()) << "the direct send leaves the window hidden";
        EXPECT_TRUE(scene->editorHasFocus()) << "the editor has the focus back";
    }
}

// No editor to take the verse (none open, the keys go nowhere): the direct send does not
// hide the window as if the verse had arrived; the window comes back with the notice, and
// the verse waits on the clipboard.
TEST_F(WordSearch, ADirectSendThatNoEditorTakesLeavesTheVerseOnTheClipboardAndSaysSo) {
    scene = std::make_unique<E2eSession>("", false);
    scene->startProgram();
    const std::string word = "الصمد";
    const Verse& verse = onlyVerseWith(word);
    searchFor(word);
    ASSERT_TRUE(waitUntil([&] { return !scene->mainWindowShown(); }, kStepLimit))
        << "the window hides for the paste";
    EXPECT_TRUE(waitUntil([&] { return scene->mainWindowShown(); }, kStepLimit))
        << "the window comes back with the notice";
    EXPECT_EQ(clipboardText(), withReference(verse, verse.vocalized));
    scene->screenshot("WordSearch.NotDelivered");
}

TEST_F(WordSearch, DirectSendWithoutDiacriticsSendsThePlainVerse) {
    startScene();
    const Verse& verse = onlyVerseWith("الصمد");
    ASSERT_NE(verse.plain, verse.vocalized);
    searchWithOptionsClicked({&app::Options_Form::Check2}, "الصمد");
    EXPECT_EQ(editorTextAfterChange(), withReference(verse, verse.plain));
}

TEST_F(WordSearch, DirectSendWithoutReferenceSendsTheVerseAlone) {
    startScene();
    const Verse& verse = onlyVerseWith("الصمد");
    searchWithOptionsClicked({&app::Options_Form::Check5}, "الصمد");
    EXPECT_EQ(editorTextAfterChange(), verse.vocalized);
}

TEST_F(WordSearch, TodaysSpellingWithBothAddedOptionsPastesTheVerseBetweenOrnateBrackets) {
    startScene();
    // The verse spells the word يئوده; today's writers put the hamza on waw.
    const Verse& verse = onlyVerseWith("يئوده");
    searchWithOptionsClicked({&app::Options_Form::FlexibleSearch, &app::Options_Form::OrnateBrackets},
                             "يؤوده");
    // U+FD3F, the verse, U+FD3E, then the reference as with square brackets.
    const std::string reference = withReference(verse, "").substr(std::string("[] ").size());
    EXPECT_EQ(editorTextAfterChange(), "\uFD3F" + verse.vocalized + "\uFD3E " + reference);
}

TEST_F(WordSearch, ATypedReferenceWithItsOptionPastesTheRangeAsOneQuotation) {
    startScene();
    const Verse& v255 = verses().at(2, 255);
    const Verse& v256 = verses().at(2, 256);
    searchWithOptionsClicked({&app::Options_Form::TypedReferences}, "2:255-256");
    EXPECT_EQ(editorTextAfterChange(),
              "[" + v255.vocalized + " (255) " + v256.vocalized + " (256)] " + surahNameOf(2) + ":255-256");
}

TEST_F(WordSearch, SeveralMatchesAreListedAndEnterSendsTheFirst) {
    startScene();
    const auto found = verses().wholeWordMatches("الم");
    ASSERT_EQ(found.size(), 6u);
    const Verse& first = *found.front();
    ASSERT_EQ(first.surah, 2);
    ASSERT_EQ(first.number, 1);

    searchFor("الم");
    // The window hides while it searches and comes back with the list.
    sleepFor(300ms);
    ASSERT_TRUE(waitUntil([&] { return scene->mainWindowShown() && activeWindow() == scene->mainWindow(); },
                          kStepLimit))
        << "the list is shown, ready for the keyboard";
    EXPECT_FALSE(scene->editorModified()) << "nothing is sent before the user chooses";

    pressKeys("Return");
    EXPECT_EQ(editorTextAfterChange(), withReference(first, first.vocalized));
    EXPECT_FALSE(scene->mainWindowShown());
}

TEST_F(WordSearch, SendImageSendsTheChosenVerseWithoutDiacriticsWhenAsked) {
    startScene();
    const auto found = verses().wholeWordMatches("البرق");
    ASSERT_GT(found.size(), 1u);
    const Verse& first = *found.front();
    ASSERT_NE(first.plain, first.vocalized);

    const int startHeight = scene->mainWindowOuterHeight();
    searchWithOptionsClicked({&app::Options_Form::Check2}, "البرق");
    ASSERT_TRUE(waitUntil([&] { return scene->mainWindowOuterHeight() > startHeight; }, kStepLimit))
        << "the window grows to show the list";
    sleepFor(300ms);
    ASSERT_FALSE(scene->editorModified()) << "several verses: nothing is sent yet";

    // The send image sits at the foot of the window, whose height the chosen verse sets.
    const Geometry window = geometryOf(scene->mainWindow());
    const PixelRect send = places().sendImage(scene->mainWindowOuterHeight());
    ASSERT_LE(send.y + send.height, window.height)
        << "the send image (" << send.y << " to " << send.y + send.height
        << ") lies below the window's client area, " << window.height << " pixels high";
    clickAt(scene->mainWindow(), send.centerX(), send.centerY());
    EXPECT_EQ(editorTextAfterChange(), withReference(first, first.plain));
}

} // namespace
} // namespace sahifex::e2e
