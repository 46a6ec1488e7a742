// Start-up and shutdown of the main window on the fake platform.

#include "support/app_fixture.h"
#include "support/window_faults.h"

#include "store/surah_table.h"

using sahifex::testing::AppFixture;
using sahifex::testing::utf8;

TEST_F(AppFixture, StartUpSwitchesToArabicOnceThenToEnglish) {
    fake.activeLayout = "00000409";
    main.Form_Load();
    const std::string log = fake.logLine();
    // The layout loads come first and in this order; then the search box, which takes
    // the focus as the window comes up, switches to Arabic for typing.
    EXPECT_EQ(log.rfind("layout:00000401 | layout:00000409", 0), 0u) << log;
    std::string layouts;
    for (const std::string& line : fake.log)
        if (line.rfind("layout:", 0) == 0) layouts += line + " ";
    EXPECT_EQ(layouts, "layout:00000401 layout:00000409 layout:00000401 ");
    EXPECT_EQ(main.focused(), &main.Text1);
}

TEST_F(AppFixture, StartUpFillsTheSurahPickerWith115Items) {
    main.Form_Load();
    ASSERT_EQ(main.Combo1.ListCount(), 115);
    EXPECT_EQ(main.Combo1.List(0), u"0");
    EXPECT_EQ(main.Combo1.List(1), u"الفاتحة");
    EXPECT_EQ(main.Combo1.List(114), u"الناس");
    for (int n = 0; n < 115; ++n) EXPECT_EQ(main.Combo1.List(n), sahifex::store::surahName(n));
}

TEST_F(AppFixture, StartUpSetsTheSharedValuesAndStopsTheWatcher) {
    program.LastClipText = u"old";
    program.BlinkPhase = 0;
    main.List4.AddItem(u"x");
    main.Form_Load();
    EXPECT_EQ(program.LastClipText, u"");
    EXPECT_EQ(main.LongVerseText.size(), 1147u);
    EXPECT_EQ(main.List3.ListCount(), 0);
    EXPECT_EQ(main.List4.ListCount(), 0);
    EXPECT_EQ(main.List5.ListCount(), 0);
    EXPECT_EQ(main.CurrentSurahNumber, 0);
}

TEST_F(AppFixture, StartUpGeometry) {
    fake.screenWidth = 1280 * 15;
    fake.screenHeight = 800 * 15;
    main.Form_Load();
    EXPECT_EQ(main.width(), 5515);
    // Tall enough for the whole column: no control cut or over another.
    EXPECT_EQ(sahifex::testing::windowFaults(main), std::vector<std::string>{});
    // Centred on the screen.
    EXPECT_EQ(main.top(), 800 * 15 / 2 - main.height() / 2);
    EXPECT_EQ(main.left(), 1280 * 15 / 2 - 5515 / 2);
    EXPECT_TRUE(main.visible());
    // The bar: 345 high, 50 above the main window, 60 in from its left edge.
    EXPECT_TRUE(bar.visible());
    EXPECT_EQ(bar.height(), 345);
    EXPECT_EQ(bar.top(), main.top() - 345 - 50);
    EXPECT_EQ(bar.left(), main.left() + 60);
    // The result area is stacked under the title strip.
    EXPECT_EQ(main.Title.top(), 45);
    EXPECT_EQ(main.List1.top(), main.Title.height() + 45 + 50);
    EXPECT_EQ(main.Label2.top(), main.List1.top() + main.List1.height() + 75);
    EXPECT_EQ(main.Pic_send_Ayah.top(), main.Label2.top() + main.Label2.height() + 75);
    for (auto* c : std::initializer_list<sahifex::forms::Control*>{&main.List1, &main.Label2,
                                                                   &main.Title, &main.Pic_send_Ayah}) {
        EXPECT_EQ(c->left(), 45) << c->name();
        EXPECT_EQ(c->width(), 5400) << c->name();
    }
    // The composed text lies exactly over the verse label.
    EXPECT_EQ(main.Text5.left(), main.Label2.left());
    EXPECT_EQ(main.Text5.top(), main.Label2.top());
    EXPECT_EQ(main.Text5.width(), main.Label2.width());
    EXPECT_EQ(main.Text5.height(), main.Label2.height());
    EXPECT_EQ(main.Picture1.left(), 1560);
    EXPECT_EQ(main.Picture1.top(), 690);
    EXPECT_EQ(main.Pic_search_settings.left(), 20);
    EXPECT_EQ(main.Pic_search_settings.width(), 4545);
    EXPECT_EQ(main.Picture6.left(), 20);
    EXPECT_EQ(main.StartIt.left(), 0);
    EXPECT_EQ(main.StartIt.top(), 0);
}

TEST_F(AppFixture, TheLowerPanelFillsTheWindowRightAfterItsPlacing) {
    // Observe Picture8's height at the moment its top is set to 0 and its height fitted.
    std::vector<int> heights;
    auto subscription = main.Picture8.observe([&](sahifex::forms::Control& c, sahifex::forms::Change change) {
        if (change == sahifex::forms::Change::Geometry) heights.push_back(c.height());
    });
    main.Picture8.setHeight(10);
    heights.clear();
    main.Form_Load();
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(heights.front(), 1300);
}

TEST_F(AppFixture, BothWindowsAreMadeTopmostAndTheBarIsLoadedOnce) {
    main.Form_Load();
    const std::string log = fake.logLine();
    EXPECT_NE(log.find("topmost:Top_Bar"), std::string::npos) << log;
    EXPECT_NE(log.find("topmost:Options_Form"), std::string::npos) << log;
    // The bar is loaded before the main window is made topmost.
    EXPECT_LT(log.find("topmost:Top_Bar"), log.find("topmost:Options_Form"));
    EXPECT_TRUE(bar.loaded());
    bar.ensureLoaded();
    EXPECT_EQ(fake.logLine(), log); // a second use loads nothing
}

TEST_F(AppFixture, StartUpPressesLoadAndSearchesWithTheEmptyBox) {
    int loads = 0, searches = 0;
    main.load.Click = [&] { ++loads; };
    main.Command1.Click = [&] { ++searches; };
    main.Form_Load();
    EXPECT_EQ(loads, 1);
    // The first search runs as a direct call, not through the button.
    EXPECT_EQ(searches, 0);
    EXPECT_EQ(main.List1.ListCount(), 0);
    EXPECT_EQ(main.Text1.text(), u"");
}

TEST_F(AppFixture, DesignTimeOptions) {
    EXPECT_EQ(main.Check5.value(), 1);
    EXPECT_EQ(main.Check7.value(), 1);
    for (auto* box : {&main.Check1, &main.Check2, &main.Check3, &main.Check4, &main.Check6,
                      &main.Check8, &main.Check9})
        EXPECT_EQ(box->value(), 0) << box->name();
    EXPECT_EQ(main.ftx1.text(), u"16");
    EXPECT_EQ(main.ftx2.text(), u"12");
    EXPECT_TRUE(main.sizable());
}

TEST_F(AppFixture, ClosingTheMainWindowSwitchesToEnglishAndLeavesTheBar) {
    main.Form_Load();
    main.SetKbLayout("00000401");
    fake.clearLog();
    EXPECT_TRUE(main.userClose());
    EXPECT_EQ(fake.logLine(), "layout:00000409");
    EXPECT_FALSE(main.visible());
    EXPECT_TRUE(bar.visible());
    EXPECT_FALSE(fake.exited);
}

TEST_F(AppFixture, CaptionsAndTooltipsAreTheSystemsOwn) {
    EXPECT_EQ(utf8(main.Text1.toolTipText()), "اكتب كلمة البحث هنا");
    EXPECT_EQ(utf8(main.List1.toolTipText()), "نتيجة البحث");
    EXPECT_EQ(utf8(main.Label9.toolTipText()), "عدد نتائج البحث");
    EXPECT_EQ(utf8(main.Label4.toolTipText()), "اسم السورة");
    EXPECT_EQ(utf8(main.Label5.toolTipText()), "رقم الآية");
    EXPECT_EQ(utf8(main.Check9.caption()), "جزء من كلمة");
    EXPECT_EQ(utf8(main.Check6.caption()), "بحث بإضافة الوالو والفاء");
    EXPECT_EQ(utf8(main.Check2.caption()), "بدون تشكيل");
    EXPECT_EQ(utf8(main.Check5.caption()), "كتابة السورة ورقمها");
    EXPECT_EQ(utf8(main.Check7.caption()), "استخدام الحافظة ");
    EXPECT_EQ(utf8(main.Check1.caption()), "إغلاق بعد الإرسال");
    EXPECT_EQ(utf8(main.Check3.caption()), "إعادة التشغيل");
    EXPECT_EQ(utf8(main.Check4.caption()), "الشكل العرضي");
    EXPECT_EQ(utf8(main.Label8.caption()), "التتبع فعّال");
    EXPECT_EQ(utf8(main.Label23.caption()), "ارسال أكثر من آية");
    EXPECT_EQ(utf8(main.Label20.caption()), "إرسال أكثر من آية");
    EXPECT_EQ(utf8(main.Label19.caption()), " السورة ورقمها");
    EXPECT_EQ(utf8(main.Label18.caption()), " الآية");
    EXPECT_EQ(utf8(main.Label2.caption()), "الآية");
    EXPECT_EQ(utf8(main.save.caption()), "حفظ");
    EXPECT_EQ(utf8(main.load.caption()), "استعادة");
    EXPECT_EQ(utf8(main.Command7.caption()), "إغلاق");
    EXPECT_EQ(utf8(main.Image4.toolTipText()), "تغيير الشكل");
    EXPECT_EQ(utf8(main.Image1.toolTipText()), "خيارات البرنامج");
    EXPECT_EQ(utf8(main.Command11.toolTipText()), "تحريك الآية");
    EXPECT_EQ(utf8(main.Command13.toolTipText()), "مساعدة");
}
