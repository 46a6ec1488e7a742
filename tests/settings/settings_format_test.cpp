// The settings line, both ways, without a window.

#include <gtest/gtest.h>

#include "settings/settings_format.h"
#include "store/win1256.h"

namespace sahifex::settings {
namespace {

using Items = std::vector<std::u16string>;

const Items kSaved = {u"6240", u"3285", u"16", u"12", u"1", u"0", u"1", u"0", u"1", u"1", u"0"};
constexpr const char* kSavedLine = "6240*3285*16*12*1*0*1*0*1*1*0*\r\n";

TEST(SettingsFormat, ReadsOneItemForEachStar) {
    EXPECT_EQ(parseSettings(kSavedLine), kSaved);
    EXPECT_EQ(parseSettings("6240*3285*16*12*1*0*1*0*1*1*0*"), kSaved) << "without CR LF";
    EXPECT_EQ(parseSettings("a**b*tail"), (Items{u"a", u"", u"b"})) << "what follows the last * is no item";
    EXPECT_EQ(parseSettings(""), Items{});
    EXPECT_EQ(parseSettings("16\r\n"), Items{});
}

TEST(SettingsFormat, ReadsEveryByteAsItsWindows1256Character) {
    // Arabic in Windows-1256, and bytes that are no Windows-1256 text: the UTF-8 of
    // "ع", a NUL, CR LF in the middle of an item.
    const std::string bytes = std::string("\xda\xd1\xc8*\xd8\xb9*") + '\0' + "1\r\n*";
    EXPECT_EQ(parseSettings(bytes),
              (Items{u"عرب", store::decodeWin1256("\xd8\xb9"), std::u16string(u"\0" u"1\r\n", 4)}));
}

TEST(SettingsFormat, WritesEachItemWithItsStarThenCrLf) {
    EXPECT_EQ(formatSettings(kSaved), kSavedLine);
    EXPECT_EQ(formatSettings({}), "\r\n");
    EXPECT_EQ(formatSettings({u"عرب", u"-150", u""}), "\xda\xd1\xc8*-150**\r\n");
}

TEST(SettingsFormat, AnItemReadsBackAsWrittenWithoutTheStarsItCannotHold) {
    const Items written = {u"1*6", u"**", u"\u05d0", u"x\r\ny"};
    // A character outside Windows-1256 reads back as "?".
    EXPECT_EQ(parseSettings(formatSettings(written)), (Items{u"16", u"", u"?", u"x\r\ny"}));
}

TEST(SettingsFormat, CheckBoxItemsAreZeroOrOne) {
    EXPECT_EQ(checkBoxValue(u"0"), 0);
    EXPECT_EQ(checkBoxValue(u"1"), 1);
    for (const std::u16string item : {u"2", u"", u"-1", u" 1", u"01", u"1 ", u"\u0661", u"yes"})
        EXPECT_EQ(checkBoxValue(item), std::nullopt) << "item of " << item.size() << " units";
}

TEST(SettingsFormat, NumbersAreDecimal) {
    EXPECT_EQ(numberItem(0), u"0");
    EXPECT_EQ(numberItem(6240), u"6240");
    EXPECT_EQ(numberItem(-150), u"-150");
}

} // namespace
} // namespace sahifex::settings
