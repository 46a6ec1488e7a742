// The window's two layouts and its panels on the fakes. The animations are checked
// through the yields the fake event loop sees: each yield is put down to the value
// that changed since the one before.

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>
#include <vector>

#include "support/app_fixture.h"
#include "support/window_faults.h"

namespace sahifex::testing {
namespace {

using Runs = std::vector<std::pair<std::string, int>>;
using Rect = std::array<int, 4>; // left, top, width, height

Rect rectOf(const forms::Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }

struct LayoutsTest : AppFixture {
    LayoutsTest() {
        main.Form_Load();
        // Where the settings restore puts the rule before it switches into a layout.
        main.ColumnRule.setLeft(4560);
        fake.clearLog();
    }

    // Sets the window's width as the user's resize does, and clicks Image4.
    void switchFrom(int width) {
        main.setWidth(width);
        main.Image4.fireClick();
    }

    // Records, for every yield, which animated value moved since the last one, and
    // returns the runs of equal names: {"width", 46} is 46 yields after a width step.
    template <class Action>
    Runs yieldRuns(Action action) {
        Runs runs;
        auto state = [&] {
            return std::vector<int>{main.width(), main.Picture8.top(), main.ColumnRule.left()};
        };
        const std::vector<std::string> names{"width", "lowerPanel", "rule"};
        std::vector<int> last = state();
        fake.onEveryYield = [&] {
            const std::vector<int> now = state();
            std::string moved;
            for (size_t i = 0; i < now.size(); ++i)
                if (now[i] != last[i]) moved += names[i];
            last = now;
            if (runs.empty() || runs.back().first != moved) runs.emplace_back(moved, 0);
            ++runs.back().second;
        };
        action();
        fake.onEveryYield = nullptr;
        return runs;
    }

    // Every control's geometry and visibility, Check4 and Image4's picture.
    std::string everything() const {
        std::ostringstream out;
        out << "window " << main.width() << "x" << main.height() << " Check4=" << main.Check4.value()
            << " Image4=" << main.Image4.picture() << "\n";
        for (const forms::Control* c : main.allControls())
            out << c->name() << " " << c->left() << "," << c->top() << " " << c->width() << "x"
                << c->height() << (c->visible() ? "" : " hidden") << "\n";
        return out.str();
    }

    // The shown controls that do not lie wholly inside the window.
    std::vector<std::string> outsideTheWindow() const {
        std::vector<std::string> outside;
        for (const forms::Control* c : main.allControls()) {
            // The layout record lies outside the window on purpose.
            if (c == &main.Check4) continue;
            int left = c->left(), top = c->top();
            bool shown = c->visible();
            for (const forms::Control* p = c->parent(); p && p != &main; p = p->parent()) {
                left += p->left();
                top += p->top();
                shown = shown && p->visible();
            }
            if (shown && (left < 0 || top < 0 || left + c->width() > main.width() ||
                          top + c->height() > main.height()))
                outside.push_back(c->name());
        }
        return outside;
    }
};

TEST_F(LayoutsTest, TheWidthDecidesTheLayoutAtTheThresholds) {
    struct Case {
        int width;
        int check4;     // -1: as it was
        int endWidth;   // 0: as it was
    };
    for (const Case& c : {Case{4764, 1, 9165}, Case{4765, -1, 0}, Case{7965, -1, 0},
                          Case{7966, 0, 4650}}) {
        main.Check4.setValue(c.check4 == 1 ? 0 : 1);
        const int check4Before = main.Check4.value();
        main.Pic_search_settings.setVisible(true);
        main.Picture6.setVisible(true);
        const int yieldsBefore = fake.yields;
        switchFrom(c.width);
        EXPECT_FALSE(main.Pic_search_settings.visible()) << c.width;
        EXPECT_FALSE(main.Picture6.visible()) << c.width;
        EXPECT_EQ(main.Check4.value(), c.check4 < 0 ? check4Before : c.check4) << c.width;
        EXPECT_EQ(main.width(), c.endWidth ? c.endWidth : c.width) << c.width;
        if (c.check4 < 0) {
            EXPECT_EQ(fake.yields, yieldsBefore) << c.width; // nothing moved
        }
    }
}

TEST_F(LayoutsTest, EachLoopOfTheSwitchYieldsAfterEveryStep) {
    EXPECT_EQ(yieldRuns([&] { switchFrom(4764); }),
              (Runs{{"width", 46}, {"rule", 454}, {"lowerPanel", 173}}));
    // The rule goes behind the single column without yielding: the first narrowing
    // step's yield finds it moved too.
    EXPECT_EQ(yieldRuns([&] { main.Image4.fireClick(); }),
              (Runs{{"lowerPanel", 173}, {"widthrule", 1}, {"width", 24}}));
}

TEST_F(LayoutsTest, EachLayoutEndsInItsGeometry) {
    switchFrom(4764);
    EXPECT_EQ(main.width(), 9165);
    EXPECT_EQ(main.height(), 2625);
    EXPECT_EQ(main.Picture8.top(), 420);
    EXPECT_EQ(rectOf(main.Shape3), (Rect{15, 285, 9150, 2330}));
    EXPECT_EQ(main.Image4.picture(), main.Image5.picture());
    EXPECT_EQ(main.ColumnRule.left(), 4560);
    EXPECT_EQ(outsideTheWindow(), std::vector<std::string>{});

    main.Image4.fireClick();
    EXPECT_EQ(main.width(), 4650);
    EXPECT_EQ(main.height(), 4840);
    EXPECT_EQ(main.Picture8.top(), 2135);
    EXPECT_EQ(rectOf(main.Shape3), (Rect{15, 285, 4635, 4050}));
    EXPECT_EQ(main.Image4.picture(), main.Image6.picture());
    EXPECT_EQ(main.ColumnRule.left(), 30);
    EXPECT_EQ(outsideTheWindow(), std::vector<std::string>{});
}

TEST_F(LayoutsTest, SwitchingTwiceReturnsEveryValue) {
    switchFrom(4764);
    const std::string wide = everything();
    main.Image4.fireClick();
    const std::string narrow = everything();
    main.Image4.fireClick();
    EXPECT_EQ(everything(), wide);
    main.Image4.fireClick();
    EXPECT_EQ(everything(), narrow);
}

TEST_F(LayoutsTest, EveryPanelOpensInsideBothLayouts) {
    for (int width : {4764, 7966}) {
        switchFrom(width);
        main.Image1.fireClick();
        EXPECT_EQ(windowFaults(main), std::vector<std::string>{}) << width;
        main.Label23.fireClick();
        EXPECT_EQ(windowFaults(main), std::vector<std::string>{}) << width;
    }
}

TEST_F(LayoutsTest, APanelSlidesUpFromTheWindowsBottomEdgeToUnderTheSearchStrip) {
    for (int width : {4764, 7966, 0}) {
        if (width) switchFrom(width); // else the window as start-up leaves it
        for (forms::Control* panel : {static_cast<forms::Control*>(&main.Pic_search_settings),
                                      static_cast<forms::Control*>(&main.Picture6)}) {
            std::vector<int> topAtYield;
            fake.onEveryYield = [&] { topAtYield.push_back(panel->top()); };
            if (panel == &main.Picture6)
                main.Label23.fireClick();
            else
                main.Image1.fireClick();
            fake.onEveryYield = nullptr;
            const int underSearch = main.Title.top() + main.Title.height();
            EXPECT_TRUE(panel->visible()) << panel->name();
            EXPECT_EQ(panel->top(), underSearch) << panel->name() << " at " << width;
            EXPECT_EQ(panel->top() + panel->height(), main.height()) << "down to the bottom edge";
            ASSERT_GT(topAtYield.size(), 100u) << panel->name();
            EXPECT_EQ(topAtYield.front(), main.height()) << panel->name();
            EXPECT_TRUE(std::is_sorted(topAtYield.rbegin(), topAtYield.rend())) << "always upwards";
            EXPECT_EQ(windowFaults(main), std::vector<std::string>{}) << width;
            main.SearchAgain.fireClick();
            main.Pic_search_settings.setVisible(false);
        }
    }
}

TEST_F(LayoutsTest, TheMultiVersePanelTakesTheSearchBoxPlaceUntilTheUserGoesBack) {
    main.Label23.fireClick();
    EXPECT_FALSE(main.Text1.visible());
    EXPECT_TRUE(main.SearchAgain.visible());
    EXPECT_EQ(main.SearchAgain.left(), main.Text1.left());
    EXPECT_EQ(main.SearchAgain.width(), main.Text1.width());
    EXPECT_EQ(main.focused(), &main.Combo1);
    main.SearchAgain.fireClick();
    EXPECT_FALSE(main.Picture6.visible());
    EXPECT_FALSE(main.SearchAgain.visible());
    EXPECT_TRUE(main.Text1.visible());
}

TEST_F(LayoutsTest, ASecondSwitchDuringASwitchOnlyHidesThePanels) {
    switchFrom(4764);
    const std::string wide = everything();
    main.Image4.fireClick();
    // Clicked again at every yield of a switch to the wide layout, also where the width
    // has passed the narrow threshold.
    int clicks = 0;
    fake.onEveryYield = [&] {
        main.Pic_search_settings.setVisible(true);
        main.Image4.fireClick();
        EXPECT_FALSE(main.Pic_search_settings.visible());
        ++clicks;
    };
    main.Image4.fireClick();
    fake.onEveryYield = nullptr;
    EXPECT_GT(clicks, 0);
    EXPECT_EQ(everything(), wide);
}

TEST_F(LayoutsTest, ACopyDuringASlideIsSearchedByTheWatcher) {
    std::vector<std::u16string> searched;
    main.Command1.Click = [&] { searched.push_back(main.Text1.text()); };
    main.Timer2.setInterval(700);
    switchFrom(4764);
    fake.atYield(fake.yields + 100, [&] {
        fake.userCopies(u"الرحمن");
        fake.advance(700);
    });
    main.Image1.fireClick();
    EXPECT_EQ(searched, std::vector<std::u16string>{u"الرحمن"});
    EXPECT_EQ(main.Pic_search_settings.top(), main.Title.top() + main.Title.height());
}

TEST_F(LayoutsTest, ASwitchDuringTheMultiVerseSlideLeavesTheFocusWhereItIs) {
    switchFrom(4764);
    fake.atYield(fake.yields + 10, [&] { main.Image4.fireClick(); });
    main.Label23.fireClick(); // the surah picker on a hidden panel cannot take the focus
    EXPECT_FALSE(main.Picture6.visible());
    EXPECT_NE(main.focused(), &main.Combo1);
}

TEST_F(LayoutsTest, TheSmallHandlers) {
    // The options panel's "x" closes the panel and leaves the search box.
    main.Image1.fireClick();
    main.Command7.fireClick();
    EXPECT_FALSE(main.Pic_search_settings.visible());
    EXPECT_TRUE(main.visible());
    EXPECT_TRUE(main.Text1.visible());
    EXPECT_EQ(windowFaults(main), std::vector<std::string>{});

    main.Picture1.setVisible(true);
    main.Label10.fireClick();
    EXPECT_FALSE(main.Picture1.visible());

    const int top = main.Label2.top(), height = main.Label2.height();
    main.Command11.fireClick();
    main.Command11.fireClick();
    EXPECT_EQ(main.Label2.top(), top - 200);
    EXPECT_EQ(main.Label2.height(), height + 200);

    main.Command13.fireClick();
    main.Command13.fireClick();
    EXPECT_EQ(fake.logLine(), "message:مرر الفأرة فوق المفاتيح لمعرفة محتواها |صحيفة | "
                              "message:مرر الفأرة فوق المفاتيح لمعرفة محتواها |صحيفة");

    // Releasing the mouse over the verse label is heard, and changes nothing.
    ASSERT_TRUE(main.Label2.MouseUp);
    const std::string before = everything();
    main.Label2.MouseUp(forms::MouseEvent{forms::LeftButton, 0, 10, 10});
    EXPECT_EQ(everything(), before);
}

} // namespace
} // namespace sahifex::testing
