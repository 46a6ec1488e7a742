#include <gtest/gtest.h>

#include "store/long_verse.h"
#include "store/verse_channels.h"
#include "support/app_fixture.h"
#include "support/verse_file.h"

namespace sahifex::testing {
namespace {

struct ResultSelection : AppFixture {
    ResultSelection() {
        main.LongVerseText =
            std::u16string(store::kLongVersePart1) + std::u16string(store::kLongVersePart2);
    }

    // One result row as the word search adds it: the plain line from its fourth
    // character, the vocalized line and the surah code.
    void addRow(const std::u16string& shown, const std::u16string& vocalized, const std::u16string& code) {
        main.List1.AddItem(shown);
        main.List2.AddItem(vocalized);
        main.List3.AddItem(code);
    }
    void addPlainLine(const std::u16string& plainLine, const std::u16string& vocalized) {
        addRow(plainLine.substr(3), vocalized, plainLine.substr(0, 3));
    }
    void select(int row) { main.List1.setListIndex(row); }

    std::string verseNumber() { return utf8(main.Label5.caption()); }
    std::string surahName() { return utf8(main.Label4.caption()); }
    std::string verseText() { return utf8(main.Label2.caption()); }
};

TEST_F(ResultSelection, VerseNumberIsTheTailOfOneToThreeDigits) {
    addRow(u"نص الآية 7", u"نَصّ 7", u"001");
    addRow(u"نص الآية 12", u"نَصّ 12", u"002");
    addRow(u"نص الآية 282", u"نَصّ 282", u"003");
    select(0);
    EXPECT_EQ(verseNumber(), "7");
    EXPECT_EQ(verseText(), "نص الآية");
    select(1);
    EXPECT_EQ(verseNumber(), "12");
    EXPECT_EQ(verseText(), "نص الآية");
    select(2);
    EXPECT_EQ(verseNumber(), "282");
    EXPECT_EQ(verseText(), "نص الآية");
}

TEST_F(ResultSelection, ADigitASpaceAndADigitAreAllTakenAsTheNumber) {
    // Every one of the last three characters is tested, also after the space.
    addRow(u"نص 5 7", u"مشكول", u"002");
    select(0);
    EXPECT_EQ(verseNumber(), "5 7");
    EXPECT_EQ(verseText(), "نص 5");
}

TEST_F(ResultSelection, ARowEndingInNoDigitKeepsThePreviousNumber) {
    addRow(u"نص 45", u"أ", u"002");
    addRow(u"نص ب", u"ب", u"002");
    select(0);
    select(1);
    EXPECT_EQ(verseNumber(), "45");
    EXPECT_EQ(verseText(), "نص");
}

TEST_F(ResultSelection, SelectsTheSameRowInTheHiddenListsAndNamesTheSurah) {
    addRow(u"أول 1", u"أَوَّل", u"001");
    addRow(u"ثان 2", u"ثَانٍ", u"056");
    addRow(u"ثالث 3", u"ثَالِث", u"057");
    addRow(u"رابع 4", u"رَابِع", u"114");
    main.Text5.setVisible(true);
    select(2);
    EXPECT_FALSE(main.Text5.visible());
    EXPECT_EQ(main.List2.listIndex(), 2);
    EXPECT_EQ(main.List3.listIndex(), 2);
    EXPECT_EQ(main.CurrentSurahNumber, 57);
    EXPECT_EQ(surahName(), "الحديد") << "surah 57 is the first of the table's second half";
    select(1);
    EXPECT_EQ(main.CurrentSurahNumber, 56);
    EXPECT_EQ(surahName(), "الواقعة");
    select(3);
    EXPECT_EQ(main.CurrentSurahNumber, 114);
    EXPECT_EQ(surahName(), "الناس");
    select(0);
    EXPECT_EQ(main.CurrentSurahNumber, 1);
    EXPECT_EQ(surahName(), "الفاتحة");
}

TEST_F(ResultSelection, TickedCheck2ShowsTheVocalizedLineAndUntickedThePlainText) {
    addRow(u"الله لا إله إلا هو 255", u"اللَّهُ لَا إِلَهَ إِلَّا هُوَ", u"002");
    main.Check2.setValue(1);
    select(0);
    EXPECT_EQ(verseText(), "اللَّهُ لَا إِلَهَ إِلَّا هُوَ");
    main.Check2.setValue(0);
    select(0);
    EXPECT_EQ(verseText(), "الله لا إله إلا هو");
    EXPECT_EQ(verseNumber(), "255");
}

TEST_F(ResultSelection, Verse2_282IsShownFromTheBuiltInTextWhenVocalized) {
    addRow(u"يا أيها الذين آمنوا 282", u"سطر الملف المختلف", u"002");
    addRow(u"يا أيها الذين آمنوا 282", u"سطر السورة الثالثة", u"003");
    addRow(u"ولله ما في السماوات 281", u"وَلِلَّهِ", u"002");
    main.Check2.setValue(1);
    select(0);
    EXPECT_EQ(main.Label2.caption(), main.LongVerseText) << "even when the file's line differs";
    select(1);
    EXPECT_EQ(verseText(), "سطر السورة الثالثة") << "282 of another surah is the file's line";
    select(2);
    EXPECT_EQ(verseText(), "وَلِلَّهِ");
    main.Check2.setValue(0);
    select(0);
    EXPECT_EQ(verseText(), "يا أيها الذين آمنوا");
}

TEST_F(ResultSelection, TheWindowFitsTheVerseLabel) {
    addRow(u"قصيرة 1", u"ق", u"112");
    addRow(u"طويلة 282", u"ط", u"002");
    main.Check2.setValue(1);
    const auto checkFit = [&] {
        EXPECT_EQ(main.Pic_send_Ayah.top(), main.Label2.top() + main.Label2.height() + 75);
        EXPECT_EQ(main.height(), main.Pic_send_Ayah.top() + main.Pic_send_Ayah.height() + 75);
        EXPECT_EQ(main.Picture4.top(), main.height() - main.Picture4.height());
    };
    select(0);
    checkFit();
    const int shortHeight = main.height();
    select(1);
    checkFit();
    EXPECT_GT(main.height(), shortHeight + 1000) << "the long verse makes the window taller";
    select(0);
    checkFit();
    EXPECT_EQ(main.height(), shortHeight);
}

TEST_F(ResultSelection, DamagedRowsLeaveTheLabelsUsable) {
    addRow(u"بلا_مسافة", u"أ", u"002");  // no space before the last character
    addRow(u" 9", u"ب", u"115");        // a surah code beyond the table
    addRow(u"نص 3", u"ج", u"ab");       // a surah code that is no number
    addRow(u"نص 4", u"د", u"");
    addRow(u"نص 5", u"ه", u"000");
    addRow(u"", u"و", u"001");          // an empty row
    main.Label5.setCaption(u"9");

    select(0);
    EXPECT_EQ(verseText(), "بلا_مسافة") << "the whole row is the verse";
    EXPECT_EQ(verseNumber(), "9");
    EXPECT_EQ(surahName(), "البقرة");
    select(1);
    EXPECT_EQ(surahName(), "");
    EXPECT_EQ(verseText(), "");
    EXPECT_EQ(verseNumber(), "9");
    select(2);
    EXPECT_EQ(surahName(), "");
    EXPECT_EQ(verseText(), "نص");
    select(3);
    EXPECT_EQ(surahName(), "");
    select(4);
    EXPECT_EQ(main.CurrentSurahNumber, 0);
    EXPECT_EQ(surahName(), "0");
    select(5);
    EXPECT_EQ(verseText(), "");
    EXPECT_EQ(surahName(), "الفاتحة");
}

TEST_F(ResultSelection, TakingTheSelectionAwayChangesNothing) {
    addRow(u"نص 7", u"نَصّ", u"001");
    select(0);
    select(-1);
    EXPECT_EQ(verseNumber(), "7");
    EXPECT_EQ(surahName(), "الفاتحة");
    EXPECT_EQ(verseText(), "نص");
}

TEST_F(ResultSelection, RowsFromTheShippedFiles) {
    // 2:255 and 57:1, read from the verse files as a search reads them.
    {
        VerseReading reading(SAHIFEX_DATA_DIR);
        std::u16string plain, vocalized;
        while (!reading.atEnd()) {
            reading.readPair(plain, vocalized);
            if ((plain.starts_with(u"002") && plain.ends_with(u" 255")) ||
                (plain.starts_with(u"057") && plain.ends_with(u" 1")))
                addPlainLine(plain, vocalized);
        }
    }
    ASSERT_EQ(main.List1.ListCount(), 2);
    main.Check2.setValue(1);
    select(0);
    EXPECT_EQ(surahName(), "البقرة");
    EXPECT_EQ(verseNumber(), "255");
    EXPECT_EQ(main.Label2.caption(), main.List2.List(0));
    EXPECT_NE(main.Label2.caption(), main.List2.List(1));
    EXPECT_GT(main.Label2.caption().size(), main.List1.List(0).size()) << "the vocalized text";
    main.Check2.setValue(0);
    select(1);
    EXPECT_EQ(surahName(), "الحديد");
    EXPECT_EQ(verseNumber(), "1");
    EXPECT_EQ(main.Label2.caption() + u" 1", main.List1.List(1));
}

} // namespace
} // namespace sahifex::testing
