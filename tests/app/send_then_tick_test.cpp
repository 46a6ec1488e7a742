// A send followed by ticks of the watcher: the text the program put on the clipboard is
// not a copy by the user, and starts nothing; a real copy afterwards still does.

#include "support/app_fixture.h"

using sahifex::testing::AppFixture;

namespace {

struct SendThenTick : AppFixture {
    void SetUp() override {
        main.Form_Load();
        main.Timer2.setInterval(700); // tracking on
        fake.clearLog();
    }
    void tick() { fake.advance(700); }
};

} // namespace

TEST_F(SendThenTick, ABareVerseWithoutDiacriticsIsPastedOnce) {
    // Sent bare and plain, the verse ends in a letter; taken as a new copy it would be
    // searched for, found, and pasted a second time.
    main.Check5.setValue(0);
    main.Check2.setValue(1);
    fake.userCopies(u"الصمد");
    tick();
    ASSERT_EQ(fake.pasted.size(), 1u);
    EXPECT_EQ(fake.pasted[0], u"الله الصمد");
    EXPECT_EQ(fake.clipboardText, u"الله الصمد");
    for (int i = 0; i < 5; ++i) tick();
    EXPECT_EQ(fake.pasted.size(), 1u);
    EXPECT_EQ(main.List1.ListCount(), 1);
}

TEST_F(SendThenTick, TheSameWordCopiedAgainIsTakenAgain) {
    fake.userCopies(u"الصمد");
    tick();
    tick();
    ASSERT_EQ(fake.pasted.size(), 1u);
    fake.userCopies(u"الصمد");
    tick();
    ASSERT_EQ(fake.pasted.size(), 2u);
    EXPECT_EQ(fake.pasted[1], fake.pasted[0]);
}

TEST_F(SendThenTick, AReferenceLeftOnTheClipboardStartsNoWordSearch) {
    int numberSearches = 0, wordSearches = 0;
    fake.userCopies(u"الصمد");
    tick();
    ASSERT_EQ(fake.pasted.size(), 1u);
    main.SerachByNumber.Click = [&] { ++numberSearches; };
    main.Command1.Click = [&] { ++wordSearches; };
    for (int i = 0; i < 3; ++i) tick();
    EXPECT_EQ(numberSearches, 0);
    EXPECT_EQ(wordSearches, 0);
}
