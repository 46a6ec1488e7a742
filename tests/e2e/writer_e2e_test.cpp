// LibreOffice Writer as the editor: words and references copied in Writer, references
// typed into the search box and verse ranges sent from the multi-verse panel, each
// compared byte for byte with the verse files. One Writer serves the suite; each test
// lays out its document and starts the program anew.

#include "e2e_fixture.h"
#include "writer_desktop.h"

namespace sahifex::e2e {
namespace {

std::string joined(const std::vector<std::string>& paragraphs) {
    std::string text;
    for (const std::string& p : paragraphs) text += (text.empty() ? "" : "\n") + p;
    return text;
}

std::string verseOf(const std::string& word) {
    const auto found = verses().wholeWordMatches(word);
    if (found.size() != 1) throw std::runtime_error(word + " is not in exactly one verse");
    return withReference(*found.front(), found.front()->vocalized);
}

// "[v255 (255) v256 (256)] البقرة:255-256": several verses as one quotation.
std::string rangeOf(int surah, int first, int last) {
    std::string quotation;
    for (int n = first; n <= last; ++n)
        quotation += (n == first ? "" : " ") + verses().at(surah, n).vocalized + " (" +
                     std::to_string(n) + ")";
    return "[" + quotation + "] " + surahNameOf(surah) + ":" + std::to_string(first) + "-" +
           std::to_string(last);
}

class InWriter : public E2eTest {
public:
    static void SetUpTestSuite() { writer = std::make_unique<WriterDesktop>(); }
    static void TearDownTestSuite() { writer.reset(); }

protected:
    // Writer holds the text, its cursor at the start, and the focus; the program runs.
    void startWithDocument(const std::string& text) {
        writer->setText(text);
        scene = std::make_unique<E2eSession>("", false);
        scene->startProgram();
        writer->activate();
        ASSERT_TRUE(waitUntil([] { return writer->isActive(); }, kStepLimit));
    }

    static std::unique_ptr<WriterDesktop> writer;
};

std::unique_ptr<WriterDesktop> InWriter::writer;

// Each of ten copies lands, though Writer at times leaves the first request for a new text
// unanswered, and learns that it lost the clipboard only by asking the new owner.
TEST_F(InWriter, EachWordCopiedWithTrackingOnIsReplacedByItsVerse) {
    const std::vector<std::string> words{"الصمد", "مدهامتان", "مسد", "الفلق", "الخناس",
                                         "الكوثر", "الفيل", "ضبحا", "حمالة", "يئوده"};
    std::vector<std::string> expected = words;
    startWithDocument(joined(words));
    clickSearchingImage();
    ASSERT_TRUE(writer->isActive()) << "clicking the bar keeps Writer active";
    for (size_t i = 0; i < words.size(); ++i) {
        // The cursor stands after the verse pasted last: the next word is the next line.
        pressKeys(i == 0 ? "ctrl+Home Home shift+End ctrl+c" : "Down Home shift+End ctrl+c");
        expected[i] = verseOf(words[i]);
        ASSERT_EQ(writer->textOnceItIs(joined(expected)), joined(expected))
            << "copy " << i + 1 << ": " << words[i];
    }
    scene->screenshot("InWriter.TenCopiedWords");
}

TEST_F(InWriter, ACopiedReferenceIsFollowedByTheNextVerse) {
    startWithDocument("البقرة:255");
    clickSearchingImage();
    pressKeys("Home shift+End ctrl+c");
    const std::string expected = continuation(verses().at(2, 256));
    EXPECT_EQ(writer->textOnceItIs(expected), expected);
}

TEST_F(InWriter, AReferenceTypedIntoTheSearchBoxIsPasted) {
    for (const auto& [typed, expected] : std::vector<std::pair<std::string, std::string>>{
             {"2:255", withReference(verses().at(2, 255), verses().at(2, 255).vocalized)},
             {"2:255-257", rangeOf(2, 255, 257)}}) {
        SCOPED_TRACE(typed);
        startWithDocument("");
        searchWithOptionsClicked({&app::Options_Form::TypedReferences}, typed);
        EXPECT_EQ(writer->textOnceItIs(expected), expected);
        EXPECT_TRUE(waitUntil([] { return writer->isActive(); }, kStepLimit))
            << "Writer has the focus back";
    }
}

// The panel's surah picker, range box and send button, each by the pointer.
TEST_F(InWriter, ARangeSentFromTheMultiVersePanelIsPasted) {
    startWithDocument("");
    searchWithOptionsClicked({&app::Options_Form::VerseRanges}, "الم");
    // The window hides while it searches and comes back with the list.
    sleepFor(300ms);
    ASSERT_TRUE(waitUntil(
        [&] { return scene->mainWindowShown() && activeWindow() == scene->mainWindow(); },
        kStepLimit))
        << "the list is shown";
    const PixelRect more = places().moreVersesLabel(scene->mainWindowOuterHeight());
    const ControlPlaces::RangePanel panel = places().rangePanelOver(u"الم");
    clickAt(scene->mainWindow(), more.centerX(), more.centerY());
    ASSERT_TRUE(waitUntil([&] { return scene->mainWindowOuterHeight() == panel.outerHeight; }, kStepLimit))
        << "the window takes the panel's height";
    sleepFor(1s); // the panel slides up into its place

    // The picker's list drops over the screen; the name typed there picks its surah.
    clickAt(scene->mainWindow(), panel.surahPicker.centerX(), panel.surahPicker.centerY());
    ASSERT_TRUE(waitUntil([&] { return visibleWindowsOf(scene->programPid()).size() > 2; }, kStepLimit))
        << "the surah list did not open";
    typeText("البقرة");
    pressKeys("Return");

    clickAt(scene->mainWindow(), panel.rangeBox.centerX(), panel.rangeBox.centerY());
    typeText("255-257");
    clickAt(scene->mainWindow(), panel.send.centerX(), panel.send.centerY());
    const std::string expected = rangeOf(2, 255, 257);
    EXPECT_EQ(writer->textOnceItIs(expected), expected);
    scene->screenshot("InWriter.RangeFromThePanel");
}

} // namespace
} // namespace sahifex::e2e
