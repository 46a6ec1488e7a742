// The floating bar on the fakes: closing, the tracking switch, the settings button,
// the drag that moves the main window, and the fold and unfold loops with their yields.

#include <vector>

#include "support/app_fixture.h"
#include "support/window_faults.h"

namespace sahifex::testing {
namespace {

struct TopBarTest : AppFixture {
    TopBarTest() {
        bar.ensureLoaded();
        bar.setHeight(345);
        bar.Show();
        main.move(3000, 4000, 5515, 1350);
        main.Show();
        fake.clearLog();
    }

    // The bar's width at every yield of a fold or unfold.
    std::vector<int> widthsAtYields() {
        std::vector<int> widths;
        fake.onEveryYield = [this, &widths] { widths.push_back(bar.width()); };
        bar.Title.fireDblClick();
        fake.onEveryYield = nullptr;
        return widths;
    }

    void fold() {
        bar.Title.setLeft(2790);
        bar.Title.fireDblClick();
    }

    forms::MouseEvent mouse(int button, double x, double y) {
        forms::MouseEvent e;
        e.button = button;
        e.x = x;
        e.y = y;
        return e;
    }
};

// ---- closing

TEST_F(TopBarTest, CancelInTheCloseConfirmationChangesNothing) {
    main.Timer2.setInterval(700);
    fake.okCancelAnswers = {false};
    bar.Image2.fireClick();
    EXPECT_EQ(fake.logLine(), "ask:إغلاق البرنامج يلغي تتبع كلمات المصحف|إغلاق البرنامج -> Cancel");
    EXPECT_FALSE(fake.exited);
    EXPECT_EQ(main.Timer2.interval(), 700);
    EXPECT_TRUE(main.visible());
    EXPECT_TRUE(bar.visible());
}

TEST_F(TopBarTest, OkInTheCloseConfirmationEndsTheProgramAtOnce) {
    fake.okCancelAnswers = {true};
    bar.Image2.fireClick();
    // No unload handling runs: it would give the English layout back.
    EXPECT_EQ(fake.logLine(),
              "ask:إغلاق البرنامج يلغي تتبع كلمات المصحف|إغلاق البرنامج -> OK | exit");
    EXPECT_TRUE(fake.exited);
}

// ---- the tracking switch

TEST_F(TopBarTest, SearchingSwitchesTrackingOffWhenItRunsAndOnAt700WhenItDoesNot) {
    main.Timer2.setInterval(500);
    bar.Searching.fireClick();
    EXPECT_EQ(main.Timer2.interval(), 0);
    bar.Searching.fireClick();
    EXPECT_EQ(main.Timer2.interval(), 700);
    bar.Searching.fireClick();
    EXPECT_EQ(main.Timer2.interval(), 0);
}

TEST_F(TopBarTest, TrackingSwitchedOnByTheBarTicksEvery700Ms) {
    int ticks = 0;
    main.Timer2.TimerEvent = [&] { ++ticks; };
    bar.Searching.fireClick();
    fake.advance(2100);
    EXPECT_EQ(ticks, 3);
    bar.Searching.fireClick();
    fake.advance(2100);
    EXPECT_EQ(ticks, 3);
}

// ---- the settings button

TEST_F(TopBarTest, SettingsShowsTheMainWindowWithItsOptionsPanelUnderTheSearchBox) {
    // Left with the multi-verse panel open, which takes the search box's place.
    main.Label23.fireClick();
    main.Hide();
    bar.Settings.fireClick();
    EXPECT_TRUE(main.visible());
    const auto& panel = main.Pic_search_settings;
    EXPECT_TRUE(panel.visible());
    EXPECT_FALSE(main.Picture6.visible());
    EXPECT_TRUE(main.Text1.visible());
    EXPECT_GE(panel.top(), main.Title.top() + main.Title.height()) << "the search box stays uncovered";
    EXPECT_EQ(windowFaults(main), std::vector<std::string>{});
}

// ---- the drag

TEST_F(TopBarTest, DragWithTheLeftButtonMovesTheMainWindowAndDocksTheBar) {
    bar.Title.MouseDown(mouse(forms::LeftButton, 150.4, 99.6));
    EXPECT_EQ(bar.anchorX, 150);
    EXPECT_EQ(bar.anchorY, 100);
    bar.Title.MouseMove(mouse(forms::LeftButton, 300, 60));
    EXPECT_EQ(main.left(), 3150);
    EXPECT_EQ(main.top(), 3960);
    EXPECT_EQ(bar.top(), 3960 - 345 - 50);
    EXPECT_EQ(bar.left(), 3150 + 60);
    // The anchor stays: each move goes on from where the window is now.
    bar.Title.MouseMove(mouse(forms::LeftButton, 140, 110));
    EXPECT_EQ(main.left(), 3140);
    EXPECT_EQ(main.top(), 3970);
    EXPECT_EQ(bar.left(), 3200);
    EXPECT_EQ(bar.top(), 3575);
}

TEST_F(TopBarTest, AnyButtonSetsTheAnchorButOnlyTheLeftButtonAloneDrags) {
    bar.move(100, 200, 5384, 345);
    bar.Title.MouseDown(mouse(forms::RightButton, 30, 45));
    EXPECT_EQ(bar.anchorX, 30);
    EXPECT_EQ(bar.anchorY, 45);
    const int held[] = {forms::RightButton, forms::LeftButton | forms::RightButton,
                        forms::LeftButton | forms::MiddleButton, 0};
    for (int buttons : held) {
        bar.Title.MouseMove(mouse(buttons, 500, 500));
        EXPECT_EQ(main.left(), 3000) << "buttons " << buttons;
        EXPECT_EQ(main.top(), 4000) << "buttons " << buttons;
        EXPECT_EQ(bar.left(), 100) << "buttons " << buttons;
        EXPECT_EQ(bar.top(), 200) << "buttons " << buttons;
    }
}

TEST_F(TopBarTest, DraggingAMinimisedOrMaximisedWindowOnlyDocksTheBarToIt) {
    for (int state : {forms::Minimized, forms::Maximized}) {
        main.setWindowState(state);
        bar.move(100, 200, 5384, 345);
        bar.Title.MouseDown(mouse(forms::LeftButton, 100, 100));
        bar.Title.MouseMove(mouse(forms::LeftButton, 900, 700));
        EXPECT_EQ(main.left(), 3000) << "state " << state;
        EXPECT_EQ(main.top(), 4000) << "state " << state;
        EXPECT_EQ(bar.left(), 3060) << "state " << state;
        EXPECT_EQ(bar.top(), 4000 - 345 - 50) << "state " << state;
    }
}

// ---- fold and unfold

TEST_F(TopBarTest, DoubleClickHidesTheMainWindowAndStartsTracking) {
    main.StartIt.setVisible(true);
    program.BlinkPhase = -1;
    bar.Title.fireDblClick();
    EXPECT_FALSE(main.visible());
    EXPECT_FALSE(main.StartIt.visible());
    EXPECT_EQ(program.BlinkPhase, 0);
    EXPECT_EQ(main.Timer2.interval(), 700);
}

TEST_F(TopBarTest, FoldingGoesFrom3760To1402InStepsOfThreeYieldingAfterEach) {
    bar.Title.setWidth(1500);
    const std::vector<int> widths = widthsAtYields();
    ASSERT_EQ(widths.size(), 787u);
    for (size_t k = 0; k < widths.size(); ++k) {
        const int w = 3760 - 3 * static_cast<int>(k);
        ASSERT_EQ(widths[k], w) << "step " << k;
    }
    EXPECT_EQ(bar.width(), 1402);
    EXPECT_EQ(bar.Title.left(), 1002);
    EXPECT_EQ(bar.Searching.left(), 702);
    EXPECT_EQ(bar.Title.width(), 1500); // the fold leaves Title's width as it was
}

TEST_F(TopBarTest, TitleAndSearchingFollowTheWidthAtEveryFoldStep) {
    std::vector<int> offsets;
    fake.onEveryYield = [&] {
        offsets.push_back(bar.width() - bar.Title.left());
        offsets.push_back(bar.width() - bar.Searching.left());
    };
    bar.Title.fireDblClick();
    ASSERT_EQ(offsets.size(), 2 * 787u);
    for (size_t k = 0; k < offsets.size(); k += 2) {
        ASSERT_EQ(offsets[k], 400) << "step " << k / 2;
        ASSERT_EQ(offsets[k + 1], 700) << "step " << k / 2;
    }
}

TEST_F(TopBarTest, UnfoldingRestoresTheDesignedStripsAndGrowsFrom600To5384) {
    fold();
    bar.Title.setWidth(1000);
    const int before = fake.yields;
    const std::vector<int> widths = widthsAtYields();
    ASSERT_EQ(widths.size(), 2393u);
    EXPECT_EQ(fake.yields - before, 2393);
    for (size_t k = 0; k < widths.size(); ++k)
        ASSERT_EQ(widths[k], 600 + 2 * static_cast<int>(k)) << "step " << k;
    EXPECT_EQ(bar.width(), 5384);
    EXPECT_EQ(bar.Title.left(), 2790);
    EXPECT_EQ(bar.Title.width(), 2760);
    EXPECT_EQ(bar.Searching.left(), 5055);
}

TEST_F(TopBarTest, ATitleAtExactly2780CountsAsFoldedAnd2781AsUnfolded) {
    bar.Title.setLeft(2780);
    bar.Title.fireDblClick();
    EXPECT_EQ(bar.width(), 5384);
    EXPECT_EQ(bar.Title.left(), 2790);

    bar.Title.setLeft(2781);
    bar.Title.fireDblClick();
    EXPECT_EQ(bar.width(), 1402);
    EXPECT_EQ(bar.Title.left(), 1002);
}

TEST_F(TopBarTest, AWatcherTickInsideAFoldBlinksAndTheFoldGoesOn) {
    fake.atYield(fake.yields + 100, [this] { fake.advance(700); });
    bar.Title.fireDblClick();
    // The double-click set the phase to 0, so the one tick showed Onn.
    EXPECT_EQ(bar.Searching.picture(), bar.Onn.picture());
    EXPECT_EQ(program.BlinkPhase, -1);
    EXPECT_EQ(bar.width(), 1402);
    EXPECT_EQ(bar.Searching.left(), 702);
}

TEST_F(TopBarTest, ADoubleClickDuringAFoldIsDecidedByTitlesLeftAtThatMoment) {
    // At the 600th step Title is at 3760 - 3 * 599 - 400 = 1563: the nested double-click
    // unfolds, and the outer fold then goes on from where it was.
    bar.Title.setWidth(1000);
    int widest = 0;
    int titleWidthUnfolded = 0;
    fake.atYield(fake.yields + 600, [this] {
        EXPECT_EQ(bar.Title.left(), 1563);
        bar.Title.fireDblClick();
    });
    fake.onEveryYield = [&] {
        if (bar.width() > widest) {
            widest = bar.width();
            titleWidthUnfolded = bar.Title.width();
        }
    };
    const int before = fake.yields;
    bar.Title.fireDblClick();
    EXPECT_EQ(fake.yields - before, 787 + 2393);
    EXPECT_EQ(widest, 5384);
    EXPECT_EQ(titleWidthUnfolded, 2760);
    EXPECT_EQ(bar.width(), 1402);
    EXPECT_EQ(bar.Title.left(), 1002);
    EXPECT_EQ(bar.Searching.left(), 702);
}

} // namespace
} // namespace sahifex::testing
