// The behaviour every view of the forms shares, run against each view through its
// driver: the native controls follow the model, what the user does on them runs the
// model's handlers once, without echoes, and the window follows the form both ways.

#include <gtest/gtest.h>

#include <sstream>

#include "view_common/sample_form.h"
#include "view_common/view_driver.h"

namespace sahifex::view_test {
namespace {

using Lines = std::vector<std::string>;

std::string describe(const forms::MouseEvent& e) {
    std::ostringstream line;
    line << e.button << " at " << e.x << "," << e.y;
    return line.str();
}

class ViewBehaviour : public ::testing::Test {
  protected:
    ViewBehaviour() {
        driver->open(form);
        form.Show();
        EXPECT_TRUE(driver->windowShown());
    }

    // Each run of the control's mouse handlers becomes a line: "image up 1 at 60,90".
    void recordMouse(forms::Control& c) {
        const std::string name = c.name();
        c.Click = [this, name] { events.push_back(name + " click"); };
        c.DblClick = [this, name] { events.push_back(name + " double click"); };
        c.MouseDown = [this, name](const forms::MouseEvent& e) {
            events.push_back(name + " down " + describe(e));
        };
        c.MouseUp = [this, name](const forms::MouseEvent& e) {
            events.push_back(name + " up " + describe(e));
        };
        c.MouseMove = [this, name](const forms::MouseEvent& e) {
            events.push_back(name + " move " + describe(e));
        };
    }
    void recordClicks(forms::Control& c) {
        c.Click = [this, &c] { events.push_back(c.name() + " click"); };
    }
    void fill(forms::ListControl& list, std::initializer_list<const char16_t*> items) {
        for (const char16_t* item : items)
            list.AddItem(item);
    }

    SampleForm form;
    std::unique_ptr<ViewDriver> driver = makeViewDriver();
    Lines events;
};

TEST_F(ViewBehaviour, DrawsEachControlInsideTheWindowOfItsContainer) {
    for (const forms::Control* c : form.allControls())
        EXPECT_EQ(driver->drawn(*c), c != &form.timer) << c->name() << ": a timer draws nothing";
    Lines holders;
    for (const forms::Control* c :
         {static_cast<forms::Control*>(&form.label), static_cast<forms::Control*>(&form.list),
          static_cast<forms::Control*>(&form.check), static_cast<forms::Control*>(&form.combo)}) {
        const forms::Control* holder = driver->drawnInside(*c);
        holders.push_back(holder ? holder->name() : "form");
    }
    EXPECT_EQ(holders, (Lines{"panel", "panel", "frame", "form"}));
}

TEST_F(ViewBehaviour, LaterControlsLieAboveEarlierOnesAndTheOutlineBehindAll) {
    EXPECT_LT(driver->stackPlace(form.combo), driver->stackPlace(form.button));
    EXPECT_LT(driver->stackPlace(form.button), driver->stackPlace(form.image));
    EXPECT_EQ(driver->stackPlace(form.shape), 0);
}

TEST_F(ViewBehaviour, PlacesArePixelsOfFifteenTwipsAndFollowTheModel) {
    EXPECT_EQ(driver->placeOf(form.panel), (PixelRect{10, 20, 300, 200}));
    form.label.move(300, 450, 3000, 600);
    EXPECT_EQ(driver->placeOf(form.label), (PixelRect{20, 30, 200, 40}));
    form.panel.setTop(-10);
    EXPECT_EQ(driver->placeOf(form.panel).y, -1) << "rounded to the nearest pixel";
    // The window itself: the form's rectangle is the outer one.
    EXPECT_EQ(driver->windowRect(), (PixelRect{100, 100, 400, 300}));
    form.setWidth(7500);
    form.setLeft(3000);
    EXPECT_EQ(driver->windowRect(), (PixelRect{200, 100, 500, 300}));
}

TEST_F(ViewBehaviour, TextsVisibilityStateAndTipsFollowTheModel) {
    form.label.setVisible(false);
    EXPECT_FALSE(driver->shown(form.label));
    form.label.setVisible(true);
    EXPECT_TRUE(driver->shown(form.label));
    form.label.setCaption(u"الفاتحة:");
    form.box.setText(u"كلمة");
    form.button.setCaption(u"إرسال");
    form.check.setCaption(u"بدون تشكيل");
    form.setCaption(u"صحيفة");
    EXPECT_EQ(driver->textOf(form.label), u"الفاتحة:");
    EXPECT_EQ(driver->textOf(form.box), u"كلمة");
    EXPECT_EQ(driver->textOf(form.button), u"إرسال");
    EXPECT_EQ(driver->textOf(form.check), u"بدون تشكيل");
    EXPECT_EQ(driver->windowTitle(), u"صحيفة");
    form.button.setEnabled(false);
    EXPECT_FALSE(driver->enabled(form.button));
    form.label.setFontSize(20);
    EXPECT_TRUE(driver->drawnInProgramFont(form.label, 20));
    EXPECT_EQ(driver->toolTipOf(form.image), u"إرسال الآية");
    form.image.setToolTipText(u"");
    EXPECT_EQ(driver->toolTipOf(form.image), u"");
    form.check.setValue(1);
    EXPECT_TRUE(driver->checked(form.check));
    form.check.setValue(0);
    EXPECT_FALSE(driver->checked(form.check));
}

TEST_F(ViewBehaviour, ListsFollowTheItemsAndTheSelectionOfTheModel) {
    fill(form.list, {u"الفاتحة", u"البقرة", u"آل عمران"});
    form.list.setListIndex(1);
    EXPECT_EQ(driver->rowsOf(form.list),
              (std::vector<std::u16string>{u"الفاتحة", u"البقرة", u"آل عمران"}));
    EXPECT_EQ(driver->selectedRowOf(form.list), 1);
    form.list.Clear();
    form.list.AddItem(u"الناس");
    EXPECT_EQ(driver->rowsOf(form.list), std::vector<std::u16string>{u"الناس"});
    EXPECT_EQ(driver->selectedRowOf(form.list), -1);
    fill(form.combo, {u"0", u"الفاتحة"});
    form.combo.setListIndex(1);
    EXPECT_EQ(driver->rowsOf(form.combo), (std::vector<std::u16string>{u"0", u"الفاتحة"}));
    EXPECT_EQ(driver->selectedRowOf(form.combo), 1);
}

TEST_F(ViewBehaviour, EveryPictureOfTheProgramIsDrawn) {
    std::istringstream names(SAHIFEX_PICTURE_NAMES);
    for (std::string name; std::getline(names, name, ',');)
        EXPECT_TRUE(driver->drawsPicture(name)) << name;
    EXPECT_FALSE(driver->drawsPicture("no_such_picture"));
}

TEST_F(ViewBehaviour, ModelChangesDoNotEchoIntoTheModel) {
    recordClicks(form.list);
    recordClicks(form.check);
    recordClicks(form.combo);
    int textChanges = 0;
    auto subscription = form.box.observe([&](forms::Control&, forms::Change c) {
        if (c == forms::Change::Text)
            ++textChanges;
    });
    fill(form.list, {u"أ", u"ب"});
    form.list.setListIndex(1);
    form.list.setListIndex(-1);
    form.list.setListIndex(0);
    form.list.Clear(); // the selection goes with the items
    form.check.setValue(1);
    form.combo.AddItem(u"0");
    form.combo.setListIndex(0);
    form.box.setText(u"كلمة");
    form.notes.setText(u"سطر\nسطر");
    EXPECT_EQ(events,
              (Lines{"list click", "list click", "list click", "check click", "combo click"}))
        << "one Click for each change of the model, none from the native controls";
    EXPECT_EQ(textChanges, 1);
    EXPECT_EQ(form.notes.text(), u"سطر\nسطر");
    EXPECT_EQ(form.list.listIndex(), -1);
}

TEST_F(ViewBehaviour, ClicksRunClickOnButtonsCheckBoxesLabelsImagesAndPictureBoxes) {
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &form.button, &form.check, &form.label, &form.image, &form.panel})
        recordClicks(*c);
    driver->click(form.button);
    driver->click(form.check);
    driver->click(form.label);
    driver->click(form.image);
    driver->mouse(form.panel, MouseStep::Press, 250, 150, forms::LeftButton, forms::LeftButton);
    driver->mouse(form.panel, MouseStep::Release, 250, 150, forms::LeftButton, 0);
    driver->mouse(form.image, MouseStep::Press, 5, 5, forms::RightButton, forms::RightButton);
    driver->mouse(form.image, MouseStep::Release, 5, 5, forms::RightButton, 0);
    EXPECT_EQ(events,
              (Lines{"button click", "check click", "label click", "image click", "panel click"}))
        << "a click on the label is the label's alone, not its panel's; a right click is none";
    EXPECT_EQ(form.check.value(), 1);
    EXPECT_TRUE(driver->checked(form.check));
}

TEST_F(ViewBehaviour, ADoubleClickRunsDblClickAndItsSecondReleaseNoClick) {
    recordMouse(form.image);
    for (MouseStep step :
         {MouseStep::Press, MouseStep::Release, MouseStep::DoubleClickPress, MouseStep::Release})
        driver->mouse(form.image, step, 5, 5, forms::LeftButton,
                      step == MouseStep::Release ? 0 : forms::LeftButton);
    EXPECT_EQ(events, (Lines{"image down 1 at 75,75", "image up 1 at 75,75", "image click",
                             "image double click", "image up 1 at 75,75"}));
}

TEST_F(ViewBehaviour, MouseEventsCarryTheButtonsAsBitsAndTwipsWithinTheControl) {
    recordMouse(form.image);
    form.image.Click = nullptr;
    driver->mouse(form.image, MouseStep::Press, 4, 6, forms::LeftButton, forms::LeftButton);
    driver->mouse(form.image, MouseStep::Move, 8, 2, 0, forms::LeftButton | forms::RightButton);
    driver->mouse(form.image, MouseStep::Release, 9, 3, forms::RightButton, forms::LeftButton);
    EXPECT_EQ(events,
              (Lines{"image down 1 at 60,90", "image move 3 at 120,30", "image up 2 at 135,45"}));
}

TEST_F(ViewBehaviour, TheUsersChoicesRunTheModelsHandlersOnce) {
    form.list.Click = [&] {
        events.push_back("list row " + std::to_string(form.list.listIndex()));
    };
    form.combo.Click = [&] {
        events.push_back("combo row " + std::to_string(form.combo.listIndex()));
    };
    form.check.Click = [&] { events.push_back("check " + std::to_string(form.check.value())); };
    fill(form.list, {u"أ", u"ب", u"ت"});
    fill(form.combo, {u"0", u"الفاتحة"});
    driver->clickRow(form.list, 2);
    driver->focusByUser(form.combo);
    driver->press(form.combo, Key::Down); // the first entry: nothing was chosen yet
    driver->click(form.check);
    driver->click(form.check);
    EXPECT_EQ(events, (Lines{"list row 2", "combo row 0", "check 1", "check 0"}));
    EXPECT_EQ(driver->selectedRowOf(form.combo), 0);

    // A click handler that puts the value back: the box shows the model's value.
    form.check.Click = [&] { form.check.setValue(0); };
    driver->click(form.check);
    EXPECT_EQ(form.check.value(), 0);
    EXPECT_FALSE(driver->checked(form.check));
}

TEST_F(ViewBehaviour, TypedTextReachesTheModelAndKeyPressSeesTheCharacterCode) {
    std::vector<int> keys;
    form.box.KeyPress = [&](int16_t& key) { keys.push_back(key); };
    driver->focusByUser(form.box);
    driver->type(form.box, u"سب");
    driver->press(form.box, Key::Backspace);
    driver->press(form.box, Key::Return);
    driver->press(form.box, Key::Left); // types nothing: no KeyPress
    EXPECT_EQ(keys, (std::vector<int>{0x0633, 0x0628, 8, 13}));
    EXPECT_EQ(form.box.text(), u"س");
}

TEST_F(ViewBehaviour, AKeyFilterCanDiscardAKeyOrTypeAnotherInstead) {
    // Arabic letters pass, Latin a becomes ش, the rest goes, as the search box's filter.
    form.box.KeyPress = [](int16_t& key) {
        if (key == u'a')
            key = static_cast<int16_t>(u'ش');
        else if (key < 0x0627 || key > 0x064A)
            key = 0;
    };
    driver->focusByUser(form.box);
    driver->type(form.box, u"a1ب-ت");
    EXPECT_EQ(form.box.text(), u"شبت");
    EXPECT_EQ(driver->textOf(form.box), u"شبت");
}

TEST_F(ViewBehaviour, FocusMovesBothWays) {
    form.focus(form.list);
    EXPECT_TRUE(driver->hasFocus(form.list));
    form.box.GotFocus = [&] { events.push_back("box got"); };
    form.box.LostFocus = [&] { events.push_back("box lost"); };
    form.list.GotFocus = [&] { events.push_back("list got"); };
    form.focus(form.box); // the model asks: the native control takes the focus
    EXPECT_TRUE(driver->hasFocus(form.box));
    driver->focusByUser(form.list); // the user moves it: the model hears of it
    EXPECT_EQ(form.focused(), &form.list);
    EXPECT_EQ(events, (Lines{"box got", "box lost", "list got"}));
}

TEST_F(ViewBehaviour, TabMovesTheFocusThroughTheControlsInTheFormsOrder) {
    // Into the panel's list and the frame's check box too; labels and images take none.
    driver->focusByUser(form.box);
    Lines focused;
    for (Key key : {Key::Tab, Key::Tab, Key::Tab, Key::ShiftTab, Key::ShiftTab}) {
        driver->press(*form.focused(), key);
        focused.push_back(form.focused()->name());
    }
    EXPECT_EQ(focused, (Lines{"list", "check", "combo", "check", "list"}));
}

TEST_F(ViewBehaviour, ClosingTheWindowRunsUnloadAndHidesItUnlessUnloadCancels) {
    form.Unload = [&](int16_t&) { events.push_back("unload"); };
    driver->closeByUser();
    EXPECT_EQ(events, Lines{"unload"});
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(driver->windowShown());
    form.Show();
    EXPECT_TRUE(driver->windowShown());
    form.Unload = [&](int16_t& cancel) { cancel = 1; };
    driver->closeByUser();
    EXPECT_TRUE(form.visible()) << "a cancelled unload keeps the window";
    EXPECT_TRUE(driver->windowShown());
}

TEST_F(ViewBehaviour, TheFloatingBarCannotBeClosed) {
    SampleForm barForm;
    const auto bar = makeViewDriver();
    bar->open(barForm, true);
    barForm.Show();
    EXPECT_TRUE(bar->windowShown());
    bar->closeByUser();
    EXPECT_TRUE(barForm.visible()) << "the bar is the way left to end the program";
    EXPECT_TRUE(bar->windowShown());
}

TEST_F(ViewBehaviour, TheUsersMoveAndResizeFlowBackIntoTheForm) {
    driver->moveWindowByUser({250, 120, 420, 310});
    EXPECT_EQ((PixelRect{form.left(), form.top(), form.width(), form.height()}),
              (PixelRect{250 * 15, 120 * 15, 420 * 15, 310 * 15}));
    form.setLeft(1500); // and the form's own moves go on reaching the window
    EXPECT_EQ(driver->windowRect().x, 100);
}

TEST_F(ViewBehaviour, AFailingHandlerEndsOnlyThatHandler) {
    form.button.Click = [] { throw forms::RuntimeFailure("index out of range"); };
    driver->click(form.button);
    recordClicks(form.button);
    driver->click(form.button);
    EXPECT_EQ(events, Lines{"button click"});
}

} // namespace
} // namespace sahifex::view_test
