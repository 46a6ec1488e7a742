// Sending the chosen verse: the send image and Enter in the result list, each checked
// by the whole sequence of clipboard, layout and keystroke actions it makes.

#include <optional>

#include "store/long_verse.h"
#include "support/app_fixture.h"

namespace {

using sahifex::testing::AppFixture;
using sahifex::testing::utf8;

const std::u16string kPlain255 = u"الله لا إله إلا هو الحي القيوم";
const std::u16string kVocalized255 = u"اللَّهُ لَا إِلَهَ إِلَّا هُوَ الْحَيُّ الْقَيُّومُ";
const std::u16string kPlain256 = u"لا إكراه في الدين";
const std::u16string kVocalized256 = u"لَا إِكْرَاهَ فِي الدِّينِ";
const std::u16string kClipboardFault = u"تعذرت الكتابة في الحافظة، فلم تُرسل الآية";
const std::u16string kNotDelivered = u"لم تصل الآية إلى المحرر، وهي في الحافظة: الصقها بـ Ctrl+V";

struct Sending : AppFixture {
    Sending() {
        addRow(kPlain255 + u" 255", kVocalized255, u"002");
        addRow(kPlain256 + u" 256", kVocalized256, u"002");
        main.List1.setListIndex(0);
        main.Show();
        main.Text1.setText(u"القيوم");
        program.LastClipText = u"earlier copy";
        fake.activeLayout = "00000401";
    }

    void addRow(const std::u16string& row, const std::u16string& vocalized,
                const std::u16string& code) {
        main.List1.AddItem(row);
        main.List2.AddItem(vocalized);
        main.List3.AddItem(code);
    }

    void pressEnterInList() {
        int16_t key = 13;
        main.List1_KeyPress(key);
    }

    static std::string sent(const std::u16string& text) {
        return "set:" + utf8(text) + " | layout:00000409 | ^v | layout:00000401";
    }
};

// ---- the send image

TEST_F(Sending, SendItPastesTheVocalizedVerseWithItsReference) {
    main.SendIt_Click();
    const std::u16string text = u"[" + kVocalized255 + u"] البقرة:255";
    EXPECT_EQ(fake.logLine(), "clear | " + sent(text));
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{text});
    EXPECT_EQ(main.Text5.text(), text);
    EXPECT_EQ(main.Label2.caption(), kVocalized255);
    EXPECT_EQ(fake.clipboardText, text); // the verse stays on the clipboard
    EXPECT_FALSE(main.visible());
    EXPECT_EQ(main.Text1.text(), u"");
    EXPECT_EQ(program.LastClipText, u"");
}

TEST_F(Sending, SendItWithoutDiacriticsSendsThePlainTextWithoutItsNumber) {
    main.Check2.setValue(1);
    main.List1.setListIndex(1);
    main.SendIt_Click();
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{u"[" + kPlain256 + u"] البقرة:256"});
    EXPECT_EQ(main.Label2.caption(), kPlain256);
}

TEST_F(Sending, SendItWithoutTheReferenceOptionSendsTheVerseAlone) {
    main.Check5.setValue(0);
    main.SendIt_Click();
    EXPECT_EQ(fake.logLine(), "clear | " + sent(kVocalized255));
    main.Check2.setValue(1);
    main.SendIt_Click();
    EXPECT_EQ(fake.pasted.back(), kPlain255);
}

TEST_F(Sending, SendItSendsTwoTwoEightyTwoFromTheBuiltInTextWhenVocalized) {
    main.LongVerseText = std::u16string(sahifex::store::kLongVersePart1) +
                         std::u16string(sahifex::store::kLongVersePart2);
    const std::u16string plain282 = u"يا أيها الذين آمنوا إذا تداينتم بدين";
    addRow(plain282 + u" 282", u"يَا أَيُّهَا (the file's line)", u"002");
    main.List1.setListIndex(2);
    main.SendIt_Click();
    ASSERT_EQ(fake.pasted.size(), 1u);
    EXPECT_EQ(fake.pasted.back(), u"[" + main.LongVerseText + u"] البقرة:282");
    EXPECT_NE(fake.pasted.back().find(u"فَإِنْ لَمْ يَكُونَا رَجُلَيْنِ"), std::u16string::npos);
    main.Check2.setValue(1);
    main.List1.setListIndex(2);
    main.SendIt_Click();
    EXPECT_EQ(fake.pasted.back(), u"[" + plain282 + u"] البقرة:282");
}

TEST_F(Sending, TwoEightyTwoOfAnotherSurahIsSentFromItsRow) {
    main.LongVerseText = u"the built-in text";
    addRow(u"نص 282", u"نَصٌّ", u"003");
    main.List1.setListIndex(2);
    main.SendIt_Click();
    EXPECT_EQ(fake.pasted.back(), u"[نَصٌّ] آل عمران:282");
}

TEST_F(Sending, SendItWhileTheOptionsPanelIsOpenOnlyClearsTheClipboard) {
    fake.clipboardText = u"something";
    main.Pic_search_settings.setVisible(true);
    main.SendIt_Click();
    EXPECT_EQ(fake.logLine(), "clear");
    EXPECT_EQ(fake.clipboardText, u"");
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(main.Text1.text(), u"القيوم");
    EXPECT_EQ(program.LastClipText, u"earlier copy");
    EXPECT_TRUE(fake.pasted.empty());
}

TEST_F(Sending, SendItWithNoChosenRowOnlyClearsTheClipboard) {
    // A search that found nothing emptied the list; the last reference stays on screen.
    main.Label4.setCaption(u"الهمزة");
    main.Label5.setCaption(u"4");
    main.List1.Clear();
    main.List2.Clear();
    fake.clearLog();
    main.SendIt_Click();
    EXPECT_EQ(fake.logLine(), "clear");
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_TRUE(main.visible());
}

TEST_F(Sending, SendItWithAClipboardThatCannotBeWrittenPastesNothing) {
    fake.clipboardWritable = false;
    main.SendIt_Click();
    EXPECT_EQ(fake.logLine(), "clear | set failed");
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(main.Label10.caption(), kClipboardFault);
    EXPECT_TRUE(main.Picture1.visible());
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(main.Text1.text(), u"القيوم");
    EXPECT_EQ(program.LastClipText, u"earlier copy");
    EXPECT_EQ(fake.activeLayout, "00000401");
}

TEST_F(Sending, OrnateBracketsOpenAndCloseTheVerseInEverySendThatBracketsIt) {
    main.OrnateBrackets.setValue(1);
    main.SendIt_Click();
    main.Check2.setValue(1);
    main.List1.setListIndex(1);
    main.SendIt_Click();
    pressEnterInList();
    main.Check5.setValue(0);
    main.SendIt_Click();
    // In logical order: U+FD3F first, U+FD3E after the verse, then the reference as ever.
    EXPECT_EQ(fake.pasted, (std::vector<std::u16string>{u"\uFD3F" + kVocalized255 + u"\uFD3E البقرة:255",
                                                        u"\uFD3F" + kPlain256 + u"\uFD3E البقرة:256",
                                                        u"\uFD3F" + kVocalized256 + u"\uFD3E البقرة:256",
                                                        kPlain256}));
}

// ---- Enter in the result list

TEST_F(Sending, EnterInTheListAlwaysSendsTheVocalizedVerseWithItsReference) {
    main.Check2.setValue(1);
    main.Check5.setValue(0);
    main.List1.setListIndex(1);
    main.List2.setListIndex(0); // out of step: Enter selects the same row again
    fake.activeLayout = "00000409";
    program.BlinkPhase = 5;
    pressEnterInList();
    const std::u16string text = u"[" + kVocalized256 + u"] البقرة:256";
    EXPECT_EQ(fake.logLine(), "clear | layout:00000401 | clear | " + sent(text) + " | clear");
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{text});
    EXPECT_EQ(main.List2.listIndex(), 1);
    EXPECT_EQ(main.Text5.text(), text);
    EXPECT_EQ(fake.clipboardText, u"");
    EXPECT_EQ(program.BlinkPhase, 0);
    EXPECT_EQ(program.LastClipText, u"earlier copy");
    EXPECT_EQ(main.Text1.text(), u"");
    EXPECT_FALSE(main.visible());
}

TEST_F(Sending, EnterKeepsTheVerseOnTheClipboardWhenTheEditorNeverFetchesIt) {
    fake.editorFetches = false;
    pressEnterInList();
    const std::u16string text = u"[" + kVocalized255 + u"] البقرة:255";
    EXPECT_EQ(fake.logLine(), "clear | clear | " + sent(text) + " | set:" + utf8(text));
    EXPECT_EQ(fake.clipboardText, text);
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(program.BlinkPhase, 0);
    EXPECT_EQ(fake.activeLayout, "00000401");
    EXPECT_EQ(main.Label10.caption(), kNotDelivered);
    EXPECT_TRUE(main.visible());
}

// Another program copies as the keys go out, and the editor takes nothing from us: the
// verse goes back on the clipboard, and the window comes back to say so.
TEST_F(Sending, ASendThatTheEditorDidNotTakeLeavesTheVerseOnTheClipboardAndSaysSo) {
    fake.editorFetches = false;
    fake.atKeys = [&] { fake.userCopies(u"raw"); };
    main.SendIt_Click();
    const std::u16string text = u"[" + kVocalized255 + u"] البقرة:255";
    EXPECT_EQ(fake.logLine(), "clear | " + sent(text) + " | set:" + utf8(text));
    EXPECT_EQ(fake.clipboardText, text);
    EXPECT_EQ(main.Label10.caption(), kNotDelivered);
    EXPECT_TRUE(main.Picture1.visible());
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(fake.activeLayout, "00000401");
    // The watcher does not take the verse put back for a copy by the user.
    EXPECT_EQ(program.OwnClipText, text);
}

TEST_F(Sending, AVerseThatCannotBePutBackAfterAFailedPasteSaysTheClipboardFailed) {
    fake.editorFetches = false;
    fake.atKeys = [&] { fake.clipboardWritable = false; };
    main.SendIt_Click();
    EXPECT_EQ(main.Label10.caption(), kClipboardFault);
    EXPECT_TRUE(main.visible());
}

TEST_F(Sending, EnterWithAClipboardThatCannotBeWrittenPastesNothing) {
    fake.clipboardWritable = false;
    pressEnterInList();
    EXPECT_EQ(fake.logLine(), "clear | clear | set failed");
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(main.Label10.caption(), kClipboardFault);
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(program.BlinkPhase, 0);
    EXPECT_EQ(main.Text1.text(), u"القيوم");
}

TEST_F(Sending, OtherKeysInTheListDoNothing) {
    for (int16_t key : {int16_t{'a'}, int16_t{8}, int16_t{u'ق'}, int16_t{32}}) {
        const int16_t before = key;
        main.List1_KeyPress(key);
        EXPECT_EQ(key, before);
    }
    EXPECT_EQ(fake.logLine(), "");
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(main.Text1.text(), u"القيوم");
}

// What the window holds at the moment the keys go out: the keystroke service is
// watched on its way to the fake.
struct Watching : sahifex::platform::Keystrokes {
    sahifex::platform::Keystrokes& inner;
    std::function<void()> atKeys;
    explicit Watching(sahifex::platform::Keystrokes& k) : inner(k) {}
    bool sendKeysAndWait(const std::string& keys) override {
        if (atKeys) atKeys();
        return inner.sendKeysAndWait(keys);
    }
};

TEST(SendingMoment, EnterPastesWithTheBlinkPhaseSetAndTheSearchBoxEmpty) {
    sahifex::platform::fake::FakeSystem fake;
    Watching watching(fake);
    sahifex::platform::Services services = fake.servicesWith(watching);
    sahifex::app::ProgramState program;
    sahifex::app::Options_Form form(services, program);
    form.List1.AddItem(kPlain255 + u" 255");
    form.List2.AddItem(kVocalized255);
    form.List3.AddItem(u"002");
    form.List1.setListIndex(0);
    form.Text1.setText(u"القيوم");

    std::optional<int16_t> phase;
    std::optional<std::u16string> box;
    watching.atKeys = [&] {
        phase = program.BlinkPhase;
        box = form.Text1.text();
    };
    int16_t enter = 13;
    form.List1_KeyPress(enter);
    EXPECT_EQ(phase, -1);
    EXPECT_EQ(box, u"");
    EXPECT_EQ(program.BlinkPhase, 0);
}

} // namespace
