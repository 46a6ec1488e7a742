// The clipboard watcher on the fakes: a tick blinks the bar, takes new clipboard text
// into the search box and presses the search that fits it. The two search buttons are
// replaced by recorders, so a test sees which search a tick started and with what.

#include <functional>
#include <utility>
#include <vector>

#include "support/app_fixture.h"
#include "app/own_clipboard_text.h"

namespace sahifex::testing {
namespace {

struct WatcherTest : AppFixture {
    WatcherTest() {
        bar.ensureLoaded();
        main.Command1.Click = [this] { wordSearches.push_back(main.Text1.text()); };
        main.SerachByNumber.Click = [this] {
            byNumber.emplace_back(main.ClipSurahName, main.ClipVerseNumber);
            main.Text1.setText(u""); // what a search by number that found its verse does
        };
        main.Timer2.setInterval(700);
        fake.clearLog();
        fake.clipboardReads = 0;
    }

    // Runs exactly one tick of the watcher through the event loop.
    void tick() {
        ASSERT_GT(main.Timer2.interval(), 0);
        fake.advance(main.Timer2.interval());
    }

    void copyAndTick(const std::u16string& text) {
        fake.userCopies(text);
        tick();
    }

    std::vector<std::u16string> wordSearches;
    std::vector<std::pair<std::u16string, double>> byNumber;
};

const std::u16string kWord = u"قال";
// A verse without diacritics, as a bare send pastes it: it ends in a letter.
const std::u16string kBareVerse = u"الله لا إله إلا هو الحي القيوم";

// ---- the blink

TEST_F(WatcherTest, EachTickShowsTheOtherOfTheTwoPictures) {
    bar.Onn.setPicture("on-picture");
    bar.Off.setPicture("off-picture");
    program.BlinkPhase = 0;
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i) {
        tick();
        shown.push_back(bar.Searching.picture());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"on-picture", "off-picture", "on-picture",
                                                "off-picture"}));
    EXPECT_EQ(program.BlinkPhase, 0);
}

TEST_F(WatcherTest, TheBlinkRunsAlsoWhenTheTickEndsEarly) {
    program.BlinkPhase = -1;
    main.StartIt.setVisible(true);
    copyAndTick(kWord);
    EXPECT_EQ(bar.Searching.picture(), bar.Off.picture());
    EXPECT_EQ(program.BlinkPhase, 0);
    tick();
    EXPECT_EQ(bar.Searching.picture(), bar.Onn.picture());
    EXPECT_EQ(program.BlinkPhase, -1);
}

TEST_F(WatcherTest, StoppedTrackingShowsTheOffPictureWhicheverSwitchStoppedIt) {
    const std::vector<std::pair<const char*, std::function<void()>>> stops{
        {"the bar's eye", [this] { bar.Searching_Click(); }},
        {"the label", [this] { main.Check8.setValue(1); main.Label8_Click(); }},
        {"the option", [this] { main.Check7.setValue(1); main.Check7.setValue(0); }},
        {"the search box", [this] { main.Text1_GotFocus(); }},
    };
    for (const auto& [name, stop] : stops) {
        main.Timer2.setInterval(700);
        program.BlinkPhase = 0;
        tick();
        ASSERT_EQ(bar.Searching.picture(), bar.Onn.picture());
        stop();
        ASSERT_EQ(main.Timer2.interval(), 0) << name;
        fake.advance(5000);
        EXPECT_EQ(bar.Searching.picture(), bar.Off.picture()) << name;
        // Switched on again, the eye opens at the first tick.
        main.Timer2.setInterval(700);
        tick();
        EXPECT_EQ(bar.Searching.picture(), bar.Onn.picture()) << name;
    }
}

// ---- taking new text

TEST_F(WatcherTest, ACopiedWordIsTakenOnceAndStartsTheWordSearch) {
    copyAndTick(kWord);
    EXPECT_EQ(main.Text1.text(), kWord);
    EXPECT_EQ(program.LastClipText, kWord);
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{kWord});
    EXPECT_TRUE(byNumber.empty());
    tick();
    tick();
    EXPECT_EQ(wordSearches.size(), 1u);
    EXPECT_EQ(fake.clipboardReads, 6); // two readings a tick
}

TEST_F(WatcherTest, AnEmptiedLastClipTextMakesTheSameTextNewAgain) {
    copyAndTick(kWord);
    program.LastClipText.clear();
    tick();
    EXPECT_EQ(wordSearches.size(), 2u);
}

TEST_F(WatcherTest, TheVisibleStartPictureBlocksTheReading) {
    main.Text1.setText(u"كتب");
    program.LastClipText = u"old";
    main.StartIt.setVisible(true);
    copyAndTick(kWord);
    EXPECT_EQ(main.Text1.text(), u"كتب");
    EXPECT_EQ(program.LastClipText, u"old");
    EXPECT_TRUE(wordSearches.empty());
    main.StartIt.setVisible(false);
    tick();
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{kWord});
}

TEST_F(WatcherTest, AnEmptyClipboardLeavesTheSearchBoxAndStartsNothing) {
    main.Text1.setText(u"كتب");
    program.LastClipText = u"old";
    fake.userCopies(u""); // another program empties the clipboard
    tick();
    EXPECT_EQ(main.Text1.text(), u"كتب") << "the word being typed stays";
    EXPECT_EQ(program.LastClipText, u"");
    EXPECT_TRUE(wordSearches.empty());
    EXPECT_TRUE(byNumber.empty());
    // The timer goes on and takes the next copy.
    EXPECT_EQ(main.Timer2.interval(), 700);
    copyAndTick(kWord);
    EXPECT_EQ(wordSearches.size(), 1u);
}

TEST_F(WatcherTest, TheSameWordCopiedAgainAfterTheClipboardWasEmptiedIsNew) {
    copyAndTick(kWord);
    fake.userCopies(u"");
    tick();
    main.Text1.setText(u"قا"); // the user types meanwhile
    tick();
    EXPECT_EQ(main.Text1.text(), u"قا");
    copyAndTick(kWord);
    EXPECT_EQ(wordSearches, (std::vector<std::u16string>{kWord, kWord}));
}

// ---- the reference: surah name ":" verse number

TEST_F(WatcherTest, ACopiedReferenceStartsTheSearchByNumberWithItsNameAndNumber) {
    copyAndTick(u"البقرة:255");
    ASSERT_EQ(byNumber.size(), 1u);
    EXPECT_EQ(byNumber[0].first, u"البقرة");
    EXPECT_EQ(byNumber[0].second, 255);
    EXPECT_TRUE(wordSearches.empty());
}

TEST_F(WatcherTest, TheVerseNumberMayStandBetweenSpacesAndEndInAParagraphMark) {
    copyAndTick(u" البقرة : 255 ");
    copyAndTick(u"البقرة:7\r\n");
    copyAndTick(u"البقرة:\t12");
    ASSERT_EQ(byNumber.size(), 3u);
    EXPECT_EQ(byNumber[0].first, u" البقرة ");
    EXPECT_EQ(byNumber[0].second, 255);
    EXPECT_EQ(byNumber[1].second, 7);
    EXPECT_EQ(byNumber[2].second, 12);
}

TEST_F(WatcherTest, ASecondPieceThatIsNoNumberGoesToTheWordScan) {
    main.ClipVerseNumber = 9;
    copyAndTick(u"سورة:قال");
    EXPECT_TRUE(byNumber.empty());
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{u"سورة:قال"});
    EXPECT_EQ(main.ClipSurahName, u"سورة");
    EXPECT_EQ(main.ClipVerseNumber, 9); // kept

    for (const char16_t* text : {u"البقرة:", u"البقرة:abc", u"البقرة:255abc", u"البقرة:2 55",
                                 u"البقرة:١٢", u"البقرة:1e999"}) {
        copyAndTick(text);
        EXPECT_TRUE(byNumber.empty()) << utf8(text);
    }
    EXPECT_EQ(main.ClipVerseNumber, 9);
    EXPECT_EQ(wordSearches.size(), 1u); // none of them ends in an Arabic letter
}

TEST_F(WatcherTest, TextWithoutAColonIsTheSurahNameToo) {
    copyAndTick(kWord);
    EXPECT_EQ(main.ClipSurahName, kWord);
}

TEST_F(WatcherTest, AfterTheSearchByNumberTheScanSkipsTheLastCharacter) {
    // A search by number that does not empty the search box (the surah name matched
    // nothing): the scan goes on from the second character from the end.
    main.SerachByNumber.Click = [this] { byNumber.emplace_back(main.ClipSurahName, 0); };
    copyAndTick(u"سورة:5:ب");
    EXPECT_EQ(byNumber.size(), 1u);
    EXPECT_TRUE(wordSearches.empty()); // ':' is the second from the end
    copyAndTick(u"سورة:5:بب");
    EXPECT_EQ(byNumber.size(), 2u);
    EXPECT_EQ(wordSearches.size(), 1u);
}

TEST_F(WatcherTest, AFailingSearchByNumberGoesOnToTheScanFromTheLastCharacter) {
    main.SerachByNumber.Click = [this] {
        byNumber.emplace_back(main.ClipSurahName, main.ClipVerseNumber);
        throw forms::RuntimeFailure("the verse files are held open");
    };
    copyAndTick(u"سورة:5:ب");
    EXPECT_EQ(byNumber.size(), 1u);
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{u"سورة:5:ب"});
    EXPECT_EQ(main.Timer2.interval(), 700);
}

TEST_F(WatcherTest, AFailingWordSearchIsNotPressedAgainAndTrackingGoesOn) {
    int presses = 0;
    main.Command1.Click = [&] {
        ++presses;
        main.Text1.setText(u" " + kWord + u" "); // the word search pads the word first
        throw forms::RuntimeFailure("the verse files are held open");
    };
    copyAndTick(kWord);
    EXPECT_EQ(presses, 1);
    tick();
    EXPECT_EQ(presses, 1); // the same text is not new
    EXPECT_EQ(main.Timer2.interval(), 700);
    copyAndTick(u"كتب");
    EXPECT_EQ(presses, 2);
}

// ---- the scan of the last characters

TEST_F(WatcherTest, TrailingSpacesAreSkippedBeforeTheLastLetter) {
    copyAndTick(u"كتب   ");
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{u"كتب   "});
    copyAndTick(u"ء");      // the first code of the letters' range
    copyAndTick(u"في ");
    EXPECT_EQ(wordSearches.size(), 3u);
}

TEST_F(WatcherTest, AWordEndingInADiacriticStartsNoSearch) {
    for (const char16_t* text : {u"قَالَ", u"قَالَ  ", u"كتبً", u"ربِّ", u"قلْ"}) {
        copyAndTick(text);
        EXPECT_EQ(main.Text1.text(), text);
    }
    EXPECT_TRUE(wordSearches.empty());
}

TEST_F(WatcherTest, LatinTextDigitsAndPunctuationStartNoSearch) {
    for (const char16_t* text : {u"hello", u"word  ", u"2024", u"قال،", u"قال؟", u"قال.", u"x😀"}) {
        copyAndTick(text);
        EXPECT_EQ(main.Text1.text(), text);
    }
    EXPECT_TRUE(wordSearches.empty());
    EXPECT_TRUE(byNumber.empty());
}

TEST_F(WatcherTest, SixTrailingSpacesStartASearchFiveAfterLatinDoNot) {
    copyAndTick(u"abc     "); // five: the sixth from the end is 'c'
    EXPECT_TRUE(wordSearches.empty());
    copyAndTick(u"abc      ");
    copyAndTick(u"      ");
    copyAndTick(u"          ");
    EXPECT_EQ(wordSearches.size(), 3u);
}

TEST_F(WatcherTest, FewerThanSixSpacesAloneStartNoSearch) {
    for (const char16_t* text : {u" ", u"  ", u"     "}) {
        copyAndTick(text);
        EXPECT_EQ(main.Text1.text(), text);
    }
    EXPECT_TRUE(wordSearches.empty());
    EXPECT_EQ(main.Timer2.interval(), 700);
}

TEST_F(WatcherTest, ATextLongerThanAnyRequestStaysOutOfTheSearchBoxAndStartsNothing) {
    copyAndTick(kWord);
    std::u16string arabic(1 << 20, u'ب');
    arabic += u"  ";
    for (const std::u16string& text : {arabic, std::u16string(1 << 20, u'a'),
                                       std::u16string(platform::kLongestClipboardText + 1, u'ب')}) {
        copyAndTick(text);
        EXPECT_EQ(main.Text1.text(), kWord);
        tick();
    }
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{kWord});
    EXPECT_EQ(main.Timer2.interval(), 700);
    // The word copied before it is a request again; the longest verse is one too.
    copyAndTick(kWord);
    const std::u16string longest(platform::kLongestClipboardText, u'ب');
    copyAndTick(longest);
    EXPECT_EQ(wordSearches, (std::vector<std::u16string>{kWord, kWord, longest}));
}

// ---- what the clipboard holds when tracking starts

TEST_F(WatcherTest, TheTextOnTheClipboardWhenTrackingStartsIsSeenWhicheverSwitchStartedIt) {
    const std::vector<std::pair<const char*, std::function<void()>>> starts{
        {"the bar's eye", [this] { bar.Searching_Click(); }},
        {"the option", [this] { main.Check7.setValue(1); }},
        {"the switch", [this] { main.Check8.setValue(1); }},
        {"the search box left", [this] { main.Text1_LostFocus(); }},
        {"the start picture", [this] { main.StartIt_Click(); }},
        {"a search that found nothing", [this] { main.Timer2.setInterval(500); }},
    };
    for (const auto& [name, start] : starts) {
        main.Timer2.setInterval(0);
        main.Check7.setValue(0);
        main.Check8.setValue(0);
        fake.userCopies(kWord);
        fake.advance(2000);
        start();
        tick();
        tick();
        EXPECT_TRUE(wordSearches.empty()) << name;
        // A copy after the start is a request, also of the same word again.
        copyAndTick(kWord);
        EXPECT_EQ(wordSearches, std::vector<std::u16string>{kWord}) << name;
        wordSearches.clear();
    }
}

TEST_F(WatcherTest, ATextThatArrivesOnlyAfterTrackingStartedFromAnEarlierCopyIsSeenToo) {
    main.Timer2.setInterval(0);
    fake.userCopies(u"");          // copied; its owner has not answered yet
    main.Timer2.setInterval(700);
    tick();
    fake.lateAnswer(kWord);         // the answer comes
    tick();
    tick();
    EXPECT_TRUE(wordSearches.empty());
    EXPECT_EQ(main.Text1.text(), u"");
    copyAndTick(u"كتب");
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{u"كتب"});
}

// ---- the program's own text on the clipboard

struct OwnTextTest : WatcherTest {
    OwnTextTest() {
        // A word search that finds one verse and pastes it at once, bare, as the
        // direct send does: its text stays on the clipboard.
        main.Command1.Click = [this] {
            wordSearches.push_back(main.Text1.text());
            fake.clear();
            app::setOwnClipboardText(fake, program, kBareVerse);
            fake.sendKeysAndWait("^v");
            main.Text1.setText(u"");
        };
    }
};

TEST_F(OwnTextTest, TheSentVerseSeenByTheNextTickStartsNothing) {
    copyAndTick(kWord);
    ASSERT_EQ(wordSearches.size(), 1u);
    for (int i = 0; i < 3; ++i) tick();
    EXPECT_EQ(wordSearches.size(), 1u);
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{kBareVerse});
    EXPECT_EQ(program.LastClipText, kBareVerse);
}

TEST_F(OwnTextTest, TheUsersCopyOfTheSameWordAgainIsTaken) {
    copyAndTick(kWord);
    tick();
    copyAndTick(kWord);
    EXPECT_EQ(wordSearches, (std::vector<std::u16string>{kWord, kWord}));
    EXPECT_EQ(fake.pasted.size(), 2u);
}

TEST_F(OwnTextTest, ACopyBeforeTheNextTickIsTakenAsWell) {
    copyAndTick(kWord);
    copyAndTick(u"كتب");
    EXPECT_EQ(wordSearches, (std::vector<std::u16string>{kWord, u"كتب"}));
}

TEST_F(OwnTextTest, ASendThatEmptiesLastClipTextIsStillNotTakenAgain) {
    // The send image and the search by number empty LastClipText after their paste.
    app::setOwnClipboardText(fake, program, kBareVerse);
    program.LastClipText.clear();
    tick();
    tick();
    EXPECT_TRUE(wordSearches.empty());
    EXPECT_EQ(main.Text1.text(), u"");
}

TEST_F(OwnTextTest, TheVerseCopiedByTheUserAfterOtherTextIsTaken) {
    copyAndTick(kWord);
    tick();
    copyAndTick(u"hello"); // the clipboard held another text: ours is forgotten
    copyAndTick(kBareVerse);
    EXPECT_EQ(wordSearches, (std::vector<std::u16string>{kWord, kBareVerse}));
}

TEST_F(OwnTextTest, AnEmptyClipboardInBetweenForgetsNothing) {
    app::setOwnClipboardText(fake, program, kBareVerse);
    program.LastClipText.clear();
    fake.userCopies(u"");
    tick();
    copyAndTick(kBareVerse);
    EXPECT_TRUE(wordSearches.empty());
}

TEST(OwnClipboardText, IsPutOnTheClipboardLikeAnyTextAndRememberedOnlyWhenItGotThere) {
    platform::fake::FakeSystem fake;
    app::ProgramState program;
    EXPECT_TRUE(app::setOwnClipboardText(fake, program, u"[آية] الفاتحة:1"));
    EXPECT_EQ(fake.logLine(), "set:[آية] الفاتحة:1");
    EXPECT_EQ(fake.clipboardText, u"[آية] الفاتحة:1");
    EXPECT_EQ(program.OwnClipText, u"[آية] الفاتحة:1");

    program.OwnClipText.clear();
    fake.clipboardWritable = false;
    EXPECT_FALSE(app::setOwnClipboardText(fake, program, u"نص"));
    EXPECT_EQ(program.OwnClipText, u"");
}

TEST(OwnClipboardText, IsRecognisedUntilTheClipboardHoldsAnotherText) {
    app::ProgramState program;
    EXPECT_FALSE(app::isOwnClipboardText(program, u""));
    EXPECT_FALSE(app::isOwnClipboardText(program, u"نص"));
    program.OwnClipText = u"نص";
    EXPECT_TRUE(app::isOwnClipboardText(program, u"نص"));
    EXPECT_TRUE(app::isOwnClipboardText(program, u"نص"));
    EXPECT_FALSE(app::isOwnClipboardText(program, u""));
    EXPECT_TRUE(app::isOwnClipboardText(program, u"نص"));
    EXPECT_FALSE(app::isOwnClipboardText(program, u"نص آخر"));
    EXPECT_FALSE(app::isOwnClipboardText(program, u"نص"));
}

// ---- instant tracking

TEST_F(WatcherTest, UnderInstantTrackingACopyIsSearchedAtOnceAndWithoutItAtTheNextTick) {
    for (const bool instant : {false, true}) {
        main.InstantTracking.setValue(instant ? 1 : 0);
        wordSearches.clear();
        const std::u16string word = instant ? u"رحمة" : kWord;
        program.BlinkPhase = 0;
        const std::string pictureBefore = bar.Searching.picture();
        fake.userCopies(word);
        fake.advance(1); // the loop's next turn, long before the timer's next tick
        EXPECT_EQ(wordSearches, instant ? std::vector<std::u16string>{word}
                                        : std::vector<std::u16string>{});
        // The blink keeps the timer's pace.
        EXPECT_EQ(bar.Searching.picture(), pictureBefore);
        fake.advance(main.Timer2.interval());
        EXPECT_EQ(wordSearches, std::vector<std::u16string>{word}) << "instant=" << instant;
    }
}

TEST_F(WatcherTest, ACopyToldWhileATickRunsWaitsForTheNextTickInsteadOfRunningInsideIt) {
    main.InstantTracking.setValue(1);
    main.Command1.Click = [this] {
        wordSearches.push_back(main.Text1.text());
        if (wordSearches.size() == 1) {
            fake.userCopies(u"رحمة");
            fake.yield(); // the search lets events run
        }
    };
    fake.userCopies(kWord);
    fake.advance(1);
    EXPECT_EQ(wordSearches, std::vector<std::u16string>{kWord});
    tick();
    EXPECT_EQ(wordSearches, (std::vector<std::u16string>{kWord, u"رحمة"}));
}

TEST_F(WatcherTest, UnderInstantTrackingNothingIsTakenWhileTrackingIsOff) {
    main.InstantTracking.setValue(1);
    main.Timer2.setInterval(0);
    fake.userCopies(kWord);
    fake.advance(1);
    EXPECT_TRUE(wordSearches.empty());
}

} // namespace
} // namespace sahifex::testing
