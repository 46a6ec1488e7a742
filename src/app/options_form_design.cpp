// The main window as it is designed: every control with its container, its design
// position (twips), its caption or tooltip, and its state before start-up runs.

#include "app/options_form.h"

namespace sahifex::app {
namespace {

constexpr const char* kPictureOptions = "options";
constexpr const char* kPictureWide = "layout_wide";
constexpr const char* kPictureNarrow = "layout_narrow";
constexpr const char* kPictureSend = "send";
constexpr const char* kPictureFont = "font";
constexpr const char* kPictureStart = "start";

constexpr int kOptionRow = 240; // the height of a row of options; one line of their text fits

void check(forms::CheckBox& box, const char16_t* caption, int left, int top, int width) {
    box.setCaption(caption);
    box.setFontSize(9);
    box.move(left, top, width, kOptionRow);
}

} // namespace

void Options_Form::design() {
    setCaption(u"صحيفة");
    move(0, 0, 5515, 1350);
    setSizable(true);

    // The lower panel lies behind the rest; it carries the composed text. The search
    // strip, the results, the chosen verse and the status strip lie on the window itself
    // above it, so that the window's height fitted to the verse shows them all.
    add(Picture8);
    Picture8.move(0, 0, 9210, 1300);
    Picture8.add(Text5);
    Text5.setMultiLine(true);
    Text5.setVisible(false);
    Picture8.add(Picture2);
    Picture2.setVisible(false);

    add(Title);
    Title.move(45, 45, 5400, 420);
    Title.add(Text1);
    Text1.move(1290, 45, 4065, 330);
    Text1.setToolTipText(u"اكتب كلمة البحث هنا");
    Text1.setFontSize(12);
    Title.add(Command1);
    Command1.setCaption(u"بحث");
    Command1.move(600, 45, 645, 330);
    Title.add(Image1);
    Image1.move(45, 60, 240, 300);
    Image1.setPicture(kPictureOptions);
    Image1.setToolTipText(u"خيارات البرنامج");
    // In the search box's place while the multi-verse panel is open.
    Title.add(SearchAgain);
    SearchAgain.setCaption(u"العودة إلى البحث");
    SearchAgain.setToolTipText(u"إغلاق لوحة إرسال أكثر من آية");
    SearchAgain.move(1290, 45, 4065, 330);
    SearchAgain.setVisible(false);
    Title.add(Image4);
    Image4.move(315, 60, 240, 300);
    Image4.setPicture(kPictureNarrow);
    Image4.setToolTipText(u"تغيير الشكل");

    // The rule between the wide layout's two columns, as high as the result list; it
    // lies behind the list, which covers it wherever the two meet.
    add(ColumnRule);
    ColumnRule.move(30, 515, 15, 1290);
    ColumnRule.setBorder(true);

    // Three rows of results show at once.
    add(List1);
    List1.move(45, 515, 5400, 1290);
    List1.setToolTipText(u"نتيجة البحث");
    List1.setFontSize(12);

    add(Label2);
    Label2.setCaption(u"الآية");
    Label2.setFontSize(14);
    Label2.move(45, 1880, 5400, 495);
    Label2.setWordWrap(true);
    Label2.setAutoSize(true);

    // The send strip; the status strip covers its lower part once the window is fitted
    // to the verse.
    add(Pic_send_Ayah);
    Pic_send_Ayah.move(45, 2450, 5400, 690);
    Pic_send_Ayah.add(SendIt);
    SendIt.move(4995, 30, 360, 330);
    SendIt.setPicture(kPictureSend);
    SendIt.setToolTipText(u"إرسال الآية");
    Pic_send_Ayah.add(Label4);
    Label4.move(3900, 45, 1050, 300);
    Label4.setToolTipText(u"اسم السورة");
    Label4.setFontSize(12);
    Pic_send_Ayah.add(Label5);
    Label5.move(3255, 45, 600, 300);
    Label5.setToolTipText(u"رقم الآية");
    Label5.setFontSize(12);
    Pic_send_Ayah.add(Label23);
    Label23.setCaption(u"ارسال أكثر من آية");
    // The room left of the verse number, down to the status strip: a second line where
    // the narrower column of the wide layout leaves too little room for one.
    Label23.move(690, 45, 2520, 435);
    Label23.setFontSize(9);
    Label23.setWordWrap(true);
    Pic_send_Ayah.add(Command11);
    Command11.setCaption(u"↑");
    Command11.move(360, 30, 300, 330);
    Command11.setToolTipText(u"تحريك الآية");
    Pic_send_Ayah.add(Command13);
    Command13.setCaption(u"؟");
    Command13.move(45, 30, 300, 330);
    Command13.setToolTipText(u"مساعدة");

    // The status strip: at the window's bottom edge at start-up.
    add(Picture4);
    Picture4.move(45, 1050, 5400, 285);
    Picture4.add(Label9);
    Label9.move(4500, 0, 855, 285);
    Label9.setToolTipText(u"عدد نتائج البحث");
    Label9.setFontSize(9);
    Label9.setVisible(false);
    Picture4.add(Label1);
    Label1.setVisible(false);
    Picture4.add(Check8);
    Check8.move(3150, 0, 285, 285);
    Check8.setToolTipText(u"تتبع النسخ لا يعمل");
    Picture4.add(Label8);
    Label8.setCaption(u"التتبع فعّال");
    Label8.move(1770, 0, 1350, 285);
    Label8.setFontSize(9);
    Picture4.add(clip);
    clip.move(45, 0, 1680, 285);
    clip.setFontSize(9);

    // What to do in a layout, at its bottom edge; shown by each layout switch.
    add(LayoutHint);
    LayoutHint.setCaption(u"اكتب في مربع البحث أو انسخ من المستند");
    LayoutHint.setFontSize(9);
    LayoutHint.move(120, 4380, 4410, 405);
    LayoutHint.setVisible(false);

    add(Picture1);
    Picture1.move(1560, 690, 2400, 420);
    Picture1.setBorder(true);
    Picture1.setVisible(false);
    Picture1.add(Label10);
    Label10.move(45, 45, 2310, 330);
    Label10.setFontSize(12);
    Picture1.add(Label11);
    Label11.setVisible(false);

    // The options panel, over the lower panel.
    add(Pic_search_settings);
    // Tall enough to cover the window below the search strip at the heights the
    // searches give it, and short enough to lie inside both layouts where it slides in.
    Pic_search_settings.move(20, 0, 4545, 2160);
    Pic_search_settings.setBorder(true);
    Pic_search_settings.setVisible(false);
    // Rows of two options, each box in the row's right end, where its caption starts:
    // the boxes of the right-hand options line up at the panel's right edge, those of
    // the left-hand options at a second edge where both fit; a long caption takes the
    // room it needs from its row's left-hand option, and the longest has a row of its own.
    // The font size frame lies at the bottom left, the buttons to its right.
    constexpr int rightColumn = 2460, leftEdge = 2370, longCaption = 1530, shortEdge = 1440;
    auto row = [](int n) { return 45 + n * kOptionRow; };
    check(Check9, u"جزء من كلمة", rightColumn, row(0), 4470 - rightColumn);
    check(Check7, u"استخدام الحافظة ", 45, row(0), leftEdge - 45);
    check(Check1, u"إغلاق بعد الإرسال", rightColumn, row(1), 4470 - rightColumn);
    check(Check5, u"كتابة السورة ورقمها", 45, row(1), leftEdge - 45);
    check(Check6, u"بحث بإضافة الوالو والفاء", longCaption, row(2), 4470 - longCaption);
    check(FlexibleSearch, u"بحث مرن", 45, row(2), shortEdge - 45);
    FlexibleSearch.setToolTipText(
        u"لا يفرّق بين صور الهمزة ولا بين ى وي ولا بين ة وه، ويتجاوز التشكيل والتطويل والترقيم حول الكلمة، ويقرأ ی وک الفارسيتين والأرقام ١٢٣ في المرجع");
    check(TypedReferences, u"مراجع في مربع البحث", longCaption, row(3), 4470 - longCaption);
    TypedReferences.setToolTipText(u"اكتب في مربع البحث مثل البقرة:255 أو 2:255-257 ثم Enter لإرسال الآيات");
    check(OrnateBrackets, u"أقواس \uFD3F \uFD3E", 45, row(3), shortEdge - 45);
    OrnateBrackets.setToolTipText(u"ترسل الآية بين القوسين \uFD3F \uFD3E بدل [ ]");
    check(Check2, u"بدون تشكيل", rightColumn, row(4), 4470 - rightColumn);
    check(InstantTracking, u"تتبع فوري", 45, row(4), leftEdge - 45);
    InstantTracking.setToolTipText(u"يأخذ النسخ حال وصوله إلى الحافظة بدل انتظار دورة التتبع التالية");
    check(VerseRanges, u"مدى آيات في إرسال أكثر من آية", 900, row(5), 4470 - 900);
    VerseRanges.setToolTipText(u"اختر السورة واكتب بجانبها رقم الآية أو مدى مثل 255-257");
    check(Check3, u"إعادة التشغيل", 2310, row(6) + 360, 4470 - 2310); // under the buttons
    for (forms::CheckBox* box : {&Check9, &Check1, &Check2, &Check7, &Check5, &Check6, &Check3,
                                 &FlexibleSearch, &OrnateBrackets, &InstantTracking, &TypedReferences,
                                 &VerseRanges})
        Pic_search_settings.add(*box);
    Pic_search_settings.add(Frame1);
    Frame1.setCaption(u"حجم الخط");
    Frame1.move(45, row(6), 2175, 615); // down to the panel's inner edge
    Frame1.setFontSize(9);
    Frame1.add(Label19);
    Label19.setCaption(u" السورة ورقمها");
    Label19.move(735, 315, 1395, 285);
    Label19.setFontSize(9);
    Frame1.add(ftx1);
    ftx1.move(300, 300, 420, 300);
    ftx1.setText(u"16");
    Frame1.add(Image7);
    Image7.move(45, 315, 240, 285);
    Image7.setPicture(kPictureFont);
    Frame1.add(Label18);
    Label18.setCaption(u" الآية");
    Label18.setVisible(false);
    Frame1.add(ftx2);
    ftx2.setText(u"12");
    ftx2.setVisible(false);
    Frame1.add(Image3);
    Image3.setPicture(kPictureFont);
    Image3.setVisible(false);
    Pic_search_settings.add(save);
    save.setCaption(u"حفظ");
    save.setToolTipText(u"حفظ الخيارات لتعود عند تشغيل البرنامج");
    save.move(2265, row(6) + 30, 630, 330);
    Pic_search_settings.add(load);
    load.setCaption(u"استعادة");
    load.setToolTipText(u"استعادة الخيارات المحفوظة");
    load.move(2925, row(6) + 30, 900, 330);
    Pic_search_settings.add(Command7);
    Command7.setCaption(u"إغلاق");
    Command7.setToolTipText(u"إغلاق لوحة الخيارات والعودة إلى البحث");
    Command7.move(3855, row(6) + 30, 615, 330);
    for (forms::CommandButton* button : {&save, &load, &Command7}) button->setFontSize(9);
    Pic_search_settings.add(SaveList);
    SaveList.setVisible(false);

    // The multi-verse panel.
    add(Picture6);
    Picture6.move(20, 0, 4545, 2160);
    Picture6.setBorder(true);
    Picture6.setVisible(false);
    Picture6.add(Label20);
    Label20.setCaption(u"إرسال أكثر من آية");
    Label20.move(2310, 45, 2160, 300);
    Picture6.add(Combo1);
    Combo1.move(2310, 405, 2160, 330);
    Picture6.add(SerachByNumber);
    SerachByNumber.setCaption(u"إرسال");
    SerachByNumber.move(1470, 405, 780, 330);
    // Shown while the option of verse ranges is ticked.
    Picture6.add(RangeBox);
    RangeBox.move(600, 405, 825, 330);
    RangeBox.setToolTipText(u"رقم الآية أو مدى الآيات، مثل 255 أو 255-257");
    RangeBox.setVisible(false);
    for (forms::ListBox* list : {&List3, &List4, &List5}) {
        Picture6.add(*list);
        list->setVisible(false);
    }

    // Hidden helpers of the searches, the picture stores and the layout record.
    for (forms::Control* hidden : std::initializer_list<forms::Control*>{&List2, &Text2, &Text6}) {
        add(*hidden);
        hidden->setVisible(false);
    }
    add(Check4);
    check(Check4, u"الشكل العرضي", 12000, 0, 1500);
    add(Image5);
    Image5.setPicture(kPictureWide);
    Image5.setVisible(false);
    add(Image6);
    Image6.setPicture(kPictureNarrow);
    Image6.setVisible(false);
    add(Shape3);
    Shape3.move(15, 285, 4635, 4050);
    Shape3.setVisible(false);
    add(StartIt);
    StartIt.move(0, 0, 5400, 1000);
    StartIt.setPicture(kPictureStart);
    StartIt.setVisible(false);

    // Design-time options: the verse goes with its reference; the clipboard is used.
    Check5.setValue(1);
    Check7.setValue(1);
}

} // namespace sahifex::app
