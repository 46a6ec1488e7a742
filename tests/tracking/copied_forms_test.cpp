// Words and references as people copy them, through the real watcher and the real
// searches on the fake clipboard: what each copy pastes, with the flexible search on and
// off. A paste is shown by the reference it ends with.

#include "support/app_fixture.h"

namespace sahifex::testing {
namespace {

struct CopiedForms : AppFixture {
    CopiedForms() {
        main.Form_Load();
        main.Timer2.setInterval(700); // tracking on
    }

    // What the copy pasted: the reference after the verse, or "nothing".
    std::string pastedBy(const std::u16string& copied) {
        const size_t before = fake.pasted.size();
        fake.userCopies(copied);
        fake.advance(700);
        if (fake.pasted.size() == before) return "nothing";
        const std::u16string& paste = fake.pasted.back();
        // After the verse's closing bracket, or after the dash a search by number puts there.
        std::u16string reference = paste.substr(paste.find_last_of(u"]-") + 1);
        reference.erase(0, reference.find_first_not_of(u' '));
        return utf8(reference) + (fake.pasted.size() == before + 1 ? "" : " and more");
    }
};

struct Form {
    std::u16string copied;
    const char* flexible;
    const char* exact;
};

TEST_F(CopiedForms, EachFormPastesItsVerseUnderTheFlexibleSearchAndAsBeforeWithout) {
    const Form forms[] = {
        // The plain forms, which paste in both modes.
        {u"الصمد", "الإخلاص:2", "الإخلاص:2"},
        {u"قريش", "قريش:1", "قريش:1"},
        {u"الكوثر", "الكوثر:1", "الكوثر:1"},
        {u"الصمد ", "الإخلاص:2", "الإخلاص:2"},
        {u" الصمد", "الإخلاص:2", "الإخلاص:2"},
        // Copied from a vocalized text, with tatweel.
        {u"الصَّمَدُ", "الإخلاص:2", "nothing"},
        {u"قُرَيْشٍ", "قريش:1", "nothing"},
        {u"الصَّمَد", "الإخلاص:2", "nothing"}, // ends in a letter: the search finds nothing
        {u"الصـمد", "الإخلاص:2", "nothing"},
        {u"الصمدـ", "الإخلاص:2", "nothing"},
        // White space and punctuation around it, direction marks from a web page.
        {u"الصمد\u00A0", "الإخلاص:2", "nothing"},
        {u"الصمد\n", "الإخلاص:2", "nothing"},
        {u"الصمد\r\n", "الإخلاص:2", "nothing"},
        {u"الصمد،", "الإخلاص:2", "nothing"},
        {u"الصمد؛", "الإخلاص:2", "nothing"},
        {u"الصمد؟", "الإخلاص:2", "nothing"},
        {u"«الصمد»", "الإخلاص:2", "nothing"},
        {u"(الصمد)", "الإخلاص:2", "nothing"},
        {u"\"الصمد\".", "الإخلاص:2", "nothing"},
        {u"\u200Fالصمد", "الإخلاص:2", "nothing"},
        {u"\u200Fالصمد\u200F", "الإخلاص:2", "nothing"},
        // Persian and Urdu letters.
        {u"قریش", "قريش:1", "nothing"},
        {u"الکوثر", "الكوثر:1", "nothing"},
        {u"قرېش", "قريش:1", "nothing"},
        {u"مدہامتان", "الرحمن:64", "nothing"},
        {u"مدەامتان", "الرحمن:64", "nothing"},
        // References continue with the next verse.
        {u"البقرة:255", "البقرة:256", "البقرة:256"},
        {u"البقرة:٢٥٥", "البقرة:256", "nothing"},
        {u"البقرة:۲۵۵", "البقرة:256", "nothing"},
        {u"البقرة: 255", "البقرة:256", "البقرة:256"},
        {u"«البقرة:255»", "البقرة:256", "nothing"},
        {u"الدخان:1", "الدُخان:2", "nothing"},
        {u"الدُخان:1", "الدُخان:2", "الدُخان:2"},
        {u"الاخلاص:1", "الإخلاص:2", "nothing"},
        {u"ال عمران:5", "آل عمران:6", "nothing"},
        {u"\u200Fآل عمران:5\r\n", "آل عمران:6", "nothing"},
        {u"(سورة البقرة: 255)", "البقرة:256", "nothing"},
        {u"سوره الإخلاص:1", "الإخلاص:2", "nothing"},
        // Sentences stay quiet.
        {u"ذهبت إلى المدرسة.", "nothing", "nothing"},
        {u"قُلْ هُوَ اللَّهُ أَحَدٌ", "nothing", "nothing"},
        {u"«قال الله»", "nothing", "nothing"},
        {u"انظر البقرة:255.", "nothing", "nothing"},
    };
    for (const bool flexible : {true, false}) {
        main.FlexibleSearch.setValue(flexible ? 1 : 0);
        std::string expected, found;
        for (const Form& form : forms) {
            const std::string line = "\n" + utf8(form.copied) + " -> ";
            expected += line + (flexible ? form.flexible : form.exact);
            found += line + pastedBy(form.copied);
        }
        EXPECT_EQ(found, expected) << (flexible ? "flexible" : "exact");
    }
}

} // namespace
} // namespace sahifex::testing
