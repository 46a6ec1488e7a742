// The search by number on the fakes: a copied reference (surah name ":" verse number)
// pastes the verse after it, read from the program's own verse files; the end of a
// surah is reported; bad references end silently; nothing that runs during its
// yields changes what it pastes.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "store/surah_table.h"
#include "store/verse_channels.h"
#include "store/win1256.h"
#include "support/app_fixture.h"
#include "support/temp_folder.h"
#include "support/verse_file.h"

namespace {

namespace fs = std::filesystem;
using sahifex::testing::AppFixture;
using sahifex::testing::utf8;

// The verses of the program's files: the vocalized line of each (surah, verse), and on
// which line (from 1) it stands.
class ProgramVerses {
public:
    ProgramVerses() {
        sahifex::testing::VerseFile plain(fs::path(SAHIFEX_DATA_DIR) / "QuranV.Qur");
        sahifex::testing::VerseFile vocalized(fs::path(SAHIFEX_DATA_DIR) / "QuranT.Qur");
        std::map<int, int> versesSoFar;
        for (int line = 1; !plain.atEnd(); ++line) {
            const std::u16string p = plain.readLine();
            const int surah = std::stoi(utf8(p.substr(0, 3)));
            const int verse = ++versesSoFar[surah];
            verses_[{surah, verse}] = {vocalized.readLine(), line};
        }
    }
    const std::u16string& vocalized(int surah, int verse) const {
        return verses_.at({surah, verse}).first;
    }
    int line(int surah, int verse) const { return verses_.at({surah, verse}).second; }

private:
    std::map<std::pair<int, int>, std::pair<std::u16string, int>> verses_;
};

const ProgramVerses& programVerses() {
    static const ProgramVerses verses;
    return verses;
}

// What the search by number pastes for verse n of the surah.
std::u16string pastedText(int surah, int verse) {
    return programVerses().vocalized(surah, verse) + u" -  " + sahifex::store::surahName(surah) +
           u":" + sahifex::store::fromUtf8(std::to_string(verse));
}

// The log of one paste of that text.
std::string sendLog(const std::u16string& text) {
    return "clear | set:" + utf8(text) + " | layout:00000409 | ^v | layout:00000401";
}

const std::string kEndOfSurah = "message:انتهت السورة|صحيفة | clear";

struct NumberSearch : AppFixture {
    explicit NumberSearch(fs::path dir = SAHIFEX_DATA_DIR) : AppFixture(std::move(dir)) {
        // The surah picker as start-up fills it.
        for (int n = 0; n < sahifex::store::kSurahTableSize; ++n)
            main.Combo1.AddItem(sahifex::store::surahName(n));
        // Tracking had switched to Arabic; the paste switches to English and back.
        fake.activeLayout = "00000401";
        bar.ensureLoaded(); // as a first tick does
        fake.clearLog();
    }

    // What copy tracking does with a copied reference: the text into the search box,
    // the name and the number kept, the button pressed.
    void reference(const std::u16string& name, double number) {
        main.Text1.setText(name + u":" + u"number");
        main.ClipSurahName = name;
        main.ClipVerseNumber = number;
        main.SerachByNumber.setValue(true);
    }

    // Nothing happened: no log, no paste, no yield, the lists and the picker as they were.
    void expectNothingChanged(int comboIndex = -1) {
        EXPECT_EQ(fake.logLine(), "");
        EXPECT_TRUE(fake.pasted.empty());
        EXPECT_EQ(fake.yields, 0);
        EXPECT_EQ(main.List5.items(), std::vector<std::u16string>{u"earlier verse"});
        EXPECT_EQ(main.Combo1.listIndex(), comboIndex);
    }
};

// ---- the verse after the reference

TEST_F(NumberSearch, TheVerseAfterTheReferenceIsPastedWithItsOwnReference) {
    program.LastClipText = u"البقرة:255";
    reference(u"البقرة", 255);
    const std::u16string text = pastedText(2, 256);
    // The whole send in its order: clear, set, English, paste and wait, Arabic.
    EXPECT_EQ(fake.logLine(), sendLog(text));
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{text});
    EXPECT_EQ(utf8(text.substr(text.size() - 14)), " -  البقرة:256");
    EXPECT_EQ(main.Text5.text(), text);
    EXPECT_EQ(main.Text1.text(), u"");
    EXPECT_EQ(program.LastClipText, u"");
    EXPECT_EQ(program.OwnClipText, text); // the watcher does not take it for a copy
    EXPECT_EQ(main.Combo1.listIndex(), 2);
    EXPECT_EQ(main.List5.ListCount(), 256);
    EXPECT_EQ(main.List5.listIndex(), 255);
    EXPECT_EQ(main.List4.ListCount(), 256);
    EXPECT_EQ(main.List4.List(0), u"1");
    EXPECT_EQ(main.List4.List(255), u"256");
    EXPECT_EQ(fake.activeLayout, "00000401");
    // A yield after every line read but the last one.
    EXPECT_EQ(fake.yields, programVerses().line(2, 256) - 1);
    EXPECT_FALSE(main.verseChannels().busy());
}

TEST_F(NumberSearch, VerseZeroFetchesVerseOneAndWritesOne) {
    reference(u"الفاتحة", 0);
    EXPECT_EQ(fake.logLine(), sendLog(pastedText(1, 1)));
    EXPECT_EQ(fake.yields, 0); // the first line completes the count
}

TEST_F(NumberSearch, AWholeNumberWithAFractionPointCountsAsTheNumber) {
    reference(u"الفاتحة", 2.0);
    EXPECT_EQ(fake.logLine(), sendLog(pastedText(1, 3)));
}

TEST_F(NumberSearch, TheLastSurahIsReadToNearlyTheEndOfTheFile) {
    reference(u"الناس", 5);
    EXPECT_EQ(fake.logLine(), sendLog(pastedText(114, 6)));
    EXPECT_EQ(fake.yields, programVerses().line(114, 6) - 1);
}

TEST_F(NumberSearch, TheVocalizedTextIsSentWhateverTheOptionsSayAndWithoutTheBuiltInVerse) {
    main.Check2.setValue(1); // without diacritics
    main.Check5.setValue(0); // without the reference
    main.OrnateBrackets.setValue(1); // the dash stays, no brackets come
    main.LongVerseText = u"the built-in text of 2:282";
    reference(u"البقرة", 281);
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{pastedText(2, 282)});
}

TEST_F(NumberSearch, ANameWithSpacesAroundItIsFoundAndKeptTrimmed) {
    reference(u"  الدُخان ", 1);
    EXPECT_EQ(fake.logLine(), sendLog(pastedText(44, 2)));
    EXPECT_EQ(main.ClipSurahName, u"الدُخان");
}

TEST_F(NumberSearch, AClickByHandFetchesTheSameVerseAgain) {
    reference(u"البقرة", 255);
    ASSERT_EQ(main.Text1.text(), u"");
    // The multi-verse panel's button, clicked: its value is not set as a press's is.
    main.SerachByNumber.fireClick();
    EXPECT_EQ(fake.pasted, (std::vector<std::u16string>{pastedText(2, 256), pastedText(2, 256)}));
}

// ---- the end of the surah

TEST_F(NumberSearch, TheLastVerseOfASurahReportsTheEndAndClearsTheClipboard) {
    fake.clipboardText = u"الإخلاص:4";
    reference(u"الإخلاص", 4);
    EXPECT_EQ(fake.logLine(), kEndOfSurah);
    EXPECT_EQ(fake.clipboardText, u"");
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(main.Text1.text(), u"112"); // the surah code stays
    EXPECT_EQ(main.List5.ListCount(), 4);
    EXPECT_FALSE(main.verseChannels().busy());
}

TEST_F(NumberSearch, AVerseFarBeyondTheSurahReportsTheEndToo) {
    reference(u"البقرة", 1e9);
    EXPECT_EQ(fake.logLine(), kEndOfSurah);
    EXPECT_EQ(main.List5.ListCount(), 286);
}

// ---- references that end silently

TEST_F(NumberSearch, ANegativeVerseNumberEndsSilently) {
    main.List5.AddItem(u"earlier verse");
    reference(u"البقرة", -1);
    expectNothingChanged();
    EXPECT_EQ(main.Text1.text(), u"البقرة:number");
}

TEST_F(NumberSearch, AFractionalVerseNumberEndsSilently) {
    main.List5.AddItem(u"earlier verse");
    for (double number : {2.5, 0.5, 254.9999}) {
        reference(u"البقرة", number);
        expectNothingChanged();
    }
}

TEST_F(NumberSearch, ANameThatIsNoSurahEndsSilentlyWithThePickerOnItsLastEntry) {
    main.List5.AddItem(u"earlier verse");
    // Without the damma of the picker's entry; one letter apart; entry 0; nothing.
    for (const char16_t* name : {u"الدخان", u"البقره", u"0", u"", u"البقرة البقرة"}) {
        reference(name, 1);
        expectNothingChanged(114);
        EXPECT_NE(main.Text1.text(), u"");
    }
}

TEST_F(NumberSearch, ANameOfAMegabyteEndsSilently) {
    main.List5.AddItem(u"earlier verse");
    const auto start = std::chrono::steady_clock::now();
    reference(std::u16string(1 << 20, u'ب') + u"البقرة", 255);
    expectNothingChanged(114);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(NumberSearch, TheStartPictureStopsIt) {
    main.List5.AddItem(u"earlier verse");
    main.StartIt.setVisible(true);
    reference(u"البقرة", 255);
    expectNothingChanged();
}

// ---- a second search during the yields

TEST_F(NumberSearch, ClicksAndTicksDuringTheYieldsChangeNothingAndPasteNothing) {
    main.Timer2.setInterval(700); // tracking on
    const int readsAtStart = fake.clipboardReads;
    main.Text1.setText(u"البقرة:255");
    bool filesHeld = false;
    fake.atYield(3, [&] {
        filesHeld = main.verseChannels().busy();
        // The user copies another reference; a tick comes; the panel's button and the
        // search button are clicked.
        fake.userCopies(u"الفاتحة:1");
        fake.advance(700);
        main.ClipVerseNumber = 0;
        main.SerachByNumber.fireClick();
        main.Text1.setText(u"قال");
        main.Command1.fireClick();
    });
    fake.atYield(4, [&] { main.Text1.setText(u"002"); });
    main.ClipSurahName = u"البقرة";
    main.ClipVerseNumber = 255;
    main.SerachByNumber.fireClick(); // by hand: the ticks may come during its yields
    EXPECT_TRUE(filesHeld);
    EXPECT_EQ(fake.logLine(), sendLog(pastedText(2, 256)));
    EXPECT_EQ(main.List5.ListCount(), 256);
    EXPECT_EQ(main.List1.ListCount(), 0); // no word search ran
    EXPECT_EQ(fake.clipboardReads, readsAtStart); // the tick only blinked
    EXPECT_EQ(program.LastClipText, u"");
    // After it, tracking goes on: the clipboard holds the sent verse, which is not new.
    fake.advance(700);
    EXPECT_EQ(fake.pasted.size(), 1u);
    fake.userCopies(u"الفاتحة:1");
    fake.advance(700);
    EXPECT_EQ(fake.pasted.back(), pastedText(1, 2));
}

TEST_F(NumberSearch, ASearchByNumberDuringTheWordSearchsYieldLeavesTheWordSearchNothingToDo) {
    main.Check9.setValue(1); // part of a word: the surah code "112" would match verses
    fake.atYield(1, [&] { reference(u"الإخلاص", 4); });
    main.List1.AddItem(u"earlier row");
    main.Text1.setText(u"قال");
    main.Command1_Click();
    EXPECT_EQ(fake.logLine(), kEndOfSurah);
    EXPECT_EQ(main.List1.items(), std::vector<std::u16string>{u"earlier row"});
    EXPECT_TRUE(main.List1.visible());
}

// ---- through the watcher, with every handler real

struct CopiedReference : NumberSearch {
    CopiedReference() {
        main.Timer2.setInterval(700);
        fake.clearLog();
    }
    void copyAndTick(const std::u16string& text) {
        fake.userCopies(text);
        fake.advance(700);
    }
};

TEST_F(CopiedReference, ACopiedReferencePastesTheNextVerseOnce) {
    copyAndTick(u"البقرة:255");
    EXPECT_EQ(fake.logLine(), sendLog(pastedText(2, 256)));
    // The sent text holds a reference too: it is the program's own, and starts nothing.
    for (int i = 0; i < 3; ++i) fake.advance(700);
    EXPECT_EQ(fake.pasted.size(), 1u);
    // The user copies the new reference: the verse after it.
    copyAndTick(u"البقرة:256\r\n");
    EXPECT_EQ(fake.pasted.back(), pastedText(2, 257));
}

TEST_F(CopiedReference, TheDammaOfTheSurahNameDecides) {
    copyAndTick(u"الدخان:1");
    EXPECT_EQ(fake.logLine(), "");
    copyAndTick(u"الدُخان:1");
    EXPECT_EQ(fake.logLine(), sendLog(pastedText(44, 2)));
}

TEST_F(CopiedReference, BadReferencesPasteNothing) {
    main.List1.AddItem(u"earlier row");
    // Not a surah; no number; a negative or fractional number; Arabic-Indic digits (no
    // number for the watcher, and its last character is no letter, so no word search
    // either); a name of a megabyte.
    for (const std::u16string& text :
         {std::u16string(u"سورة:5"), std::u16string(u"البقرة:"), std::u16string(u":5"),
          std::u16string(u"البقرة:-1"), std::u16string(u"البقرة:2.5"),
          std::u16string(u"البقرة:٢٥٥"), std::u16string(1 << 20, u'ب') + u":255",
          u"البقرة:" + std::u16string(1 << 20, u'5')}) {
        SCOPED_TRACE(utf8(text.substr(0, 12)));
        copyAndTick(text);
        EXPECT_EQ(fake.logLine(), "");
        EXPECT_EQ(main.List1.items(), std::vector<std::u16string>{u"earlier row"});
        EXPECT_EQ(main.Timer2.interval(), 700);
    }
    EXPECT_TRUE(fake.pasted.empty());
}

TEST_F(CopiedReference, AVerseNumberBeyondAnySurahReportsTheEnd) {
    copyAndTick(u"البقرة:1e9");
    EXPECT_EQ(fake.logLine(), kEndOfSurah);
    EXPECT_EQ(fake.clipboardText, u"");
    // The empty clipboard starts nothing more.
    fake.advance(700);
    EXPECT_EQ(fake.logLine(), kEndOfSurah);
}

// ---- faults of the verse files and the clipboard

void writeLines(const fs::path& file, const std::vector<std::u16string>& lines) {
    std::ofstream out(file, std::ios::binary);
    for (const auto& line : lines) out << sahifex::store::encodeWin1256(line) << "\r\n";
}

struct NumberSearchFaults : sahifex::testing::TempFolder, NumberSearch {
    NumberSearchFaults() : TempFolder("number-search"), NumberSearch(path()) {
        main.verseChannels().expect({}); // files of its own
        writeLines(dir() / "QuranV.Qur", {u"001بسم الله الرحمن الرحيم 1", u"001الحمد لله 2",
                                          u"002الم 1", u"002ذلك الكتاب 2", u"002هدى للمتقين 3"});
        writeLines(dir() / "QuranT.Qur", {u"بِسْمِ", u"الْحَمْدُ", u"الم", u"ذَلِكَ", u"هُدًى"});
    }
    const fs::path& dir() const { return services.programDir; }

    // A word search can open the files again: the search by number released them.
    void expectFilesReleased() {
        EXPECT_FALSE(main.verseChannels().busy());
        EXPECT_NO_THROW(main.verseChannels().readWhole(dir()));
    }
};

TEST_F(NumberSearchFaults, TheWrittenFilesServeTheSearch) {
    reference(u"البقرة", 2);
    EXPECT_EQ(fake.logLine(), sendLog(u"هُدًى -  البقرة:3"));
    // Lines with trailing spaces: the verse-number tail steps over them.
    writeLines(dir() / "QuranV.Qur", {u"001بسم الله 1  ", u"001الحمد 22", u"001الحمد123"});
    writeLines(dir() / "QuranT.Qur", {u"a", u"b", u"c"});
    reference(u"الفاتحة", 2);
    EXPECT_EQ(main.List4.items(), (std::vector<std::u16string>{u"1  ", u"22", u"الحمد123"}));
}

// A fault of a verse file is no end of the surah: the file is named in the notice, the
// window comes to show it, and the copied reference stays on the clipboard.
TEST_F(NumberSearchFaults, AVerseFileFaultIsReportedByNameAndHoldsNothing) {
    struct Fault {
        const char* name;
        std::function<void(const fs::path&)> make, mend;
    };
    const fs::path away = dir() / "away";
    const auto moveAway = [&](const fs::path& file) { fs::rename(file, away); };
    const auto moveBack = [&](const fs::path& file) { fs::rename(away, file); };
    const auto folderInstead = [&](const fs::path& file) {
        moveAway(file);
        fs::create_directory(file);
    };
    const auto fileBack = [&](const fs::path& file) {
        fs::remove(file);
        moveBack(file);
    };
    const std::vector<Fault> faults = {{"QuranV.Qur", moveAway, moveBack},
                                       {"QuranT.Qur", moveAway, moveBack},
                                       {"QuranV.Qur", folderInstead, fileBack},
                                       {"QuranT.Qur", folderInstead, fileBack}};
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        const fs::path file = dir() / fault.name;
        fault.make(file);
        fake.clearLog();
        main.Hide();
        fake.clipboardText = u"البقرة:1";
        reference(u"البقرة", 1);
        EXPECT_EQ(fake.logLine(), "");
        EXPECT_EQ(fake.clipboardText, u"البقرة:1");
        EXPECT_EQ(main.Label10.caption(), u"تعذرت قراءة ملف الآيات " + sahifex::store::fromUtf8(fault.name));
        EXPECT_TRUE(main.Picture1.visible());
        EXPECT_TRUE(main.visible());
        EXPECT_FALSE(main.verseChannels().busy());
        fault.mend(file);
        expectFilesReleased();
    }
    fake.clearLog();
    reference(u"البقرة", 1);
    EXPECT_EQ(fake.logLine(), sendLog(u"ذَلِكَ -  البقرة:2"));
}

TEST_F(NumberSearchFaults, AVocalizedFileThatEndsEarlyIsReportedByNameAndHoldsNothing) {
    writeLines(dir() / "QuranT.Qur", {u"بِسْمِ", u"الْحَمْدُ", u"الم"});
    reference(u"البقرة", 2);
    EXPECT_EQ(fake.logLine(), "");
    EXPECT_EQ(main.Label10.caption(), u"تعذرت قراءة ملف الآيات QuranT.Qur");
    EXPECT_TRUE(fake.pasted.empty());
    expectFilesReleased();
}

TEST_F(NumberSearchFaults, ASearchByNumberWhileTheFilesAreHeldDoesNothing) {
    main.List5.AddItem(u"earlier verse");
    {
        const auto held = main.verseChannels().readWhole(dir());
        reference(u"البقرة", 1);
    }
    expectNothingChanged();
}

TEST_F(NumberSearchFaults, AClipboardThatCannotBeWrittenPastesNothingAndSaysSo) {
    fake.clipboardWritable = false;
    reference(u"البقرة", 1);
    EXPECT_EQ(fake.logLine(), "clear | set failed");
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(main.Label10.caption(), u"تعذرت الكتابة في الحافظة، فلم تُرسل الآية");
    EXPECT_TRUE(main.Picture1.visible());
    EXPECT_TRUE(main.visible());
    expectFilesReleased();
}

} // namespace

namespace {

TEST_F(NumberSearch, AVerseTheEditorDidNotTakeStaysOnTheClipboardAndTheWindowSaysSo) {
    fake.editorFetches = false;
    reference(u"البقرة", 255);
    EXPECT_EQ(fake.clipboardText, pastedText(2, 256));
    EXPECT_EQ(main.Label10.caption(), u"لم تصل الآية إلى المحرر، وهي في الحافظة: الصقها بـ Ctrl+V");
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(fake.activeLayout, "00000401");
}

} // namespace
