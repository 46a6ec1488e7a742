// The event semantics of the forms model that the handlers rely on.

#include <gtest/gtest.h>

#include <memory>

#include "forms/forms.h"
#include "platform/fake/fake_system.h"

using namespace sahifex;
using namespace sahifex::forms;

TEST(FormsModel, CheckBoxRunsClickOnlyForANewValue) {
    CheckBox box("Check");
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    box.setValue(1);
    box.setValue(1);
    EXPECT_EQ(clicks, 1);
    box.userClick();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_THROW(box.setValue(3), RuntimeFailure);
}

TEST(FormsModel, SettersRunClickBeforeTheyReturn) {
    // The handler sees the new state, and the setter's caller sees what the handler did.
    ListBox list("List");
    list.AddItem(u"a");
    list.AddItem(u"b");
    std::u16string seen;
    int order = 0, clickedAt = 0;
    list.Click = [&] { seen = list.text(); clickedAt = ++order; };
    list.setListIndex(1);
    const int after = ++order;
    EXPECT_EQ(seen, u"b");
    EXPECT_LT(clickedAt, after);

    CommandButton button("Button");
    bool valueDuringClick = false;
    button.Click = [&] { valueDuringClick = button.value(); };
    button.setValue(true);
    EXPECT_TRUE(valueDuringClick);
    EXPECT_FALSE(button.value());
    button.setValue(false); // only true presses the button
    EXPECT_TRUE(valueDuringClick);
}

TEST(FormsModel, ListIndexOutOfRangeIsARuntimeFailure) {
    ListBox list("List");
    list.AddItem(u"only");
    int clicks = 0;
    list.Click = [&] { ++clicks; };
    EXPECT_THROW(list.setListIndex(1), RuntimeFailure);
    EXPECT_THROW(list.setListIndex(-2), RuntimeFailure);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(-1); // none selected is valid
    EXPECT_EQ(list.text(), u"");
    list.setListIndex(0);
    list.Clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_THROW(list.List(0), RuntimeFailure);
}

TEST(FormsModel, ButtonValueReadsFalseAfterAFailingClick) {
    CommandButton button("Button");
    button.Click = [] { throw RuntimeFailure("inside"); };
    EXPECT_THROW(button.setValue(true), RuntimeFailure);
    EXPECT_FALSE(button.value());
}

TEST(FormsModel, AutoSizedWrappedLabelTakesTheHeightItsTextNeeds) {
    platform::fake::FakeSystem fake;
    Form form("F");
    form.setMetrics(&fake);
    Label label("L");
    form.add(label);
    label.setWidth(1200); // ten characters a line in the fake's rule
    label.setHeight(50);
    label.setCaption(u"abc");
    EXPECT_EQ(label.height(), 50); // not auto-sized yet
    label.setWordWrap(true);
    label.setAutoSize(true);
    EXPECT_EQ(label.height(), 300);
    label.setCaption(std::u16string(25, u'x'));
    EXPECT_EQ(label.height(), 900);
    label.setWidth(2400);
    EXPECT_EQ(label.height(), 600);
}

TEST(FormsModel, FocusRunsLostAndGotFocusAndRefusesHiddenControls) {
    Form form("F");
    PictureBox panel("P");
    TextBox a("A"), b("B");
    form.add(panel);
    panel.add(a);
    panel.add(b);
    std::string events;
    a.GotFocus = [&] { events += "+A"; };
    a.LostFocus = [&] { events += "-A"; };
    b.GotFocus = [&] { events += "+B"; };
    EXPECT_THROW(a.SetFocus(), RuntimeFailure); // the form is hidden
    form.Show();
    a.SetFocus();
    a.SetFocus(); // already focused: no events
    b.SetFocus();
    EXPECT_EQ(events, "+A-A+B");
    EXPECT_EQ(form.focused(), &b);
    panel.setVisible(false);
    EXPECT_THROW(a.SetFocus(), RuntimeFailure);
    EXPECT_EQ(form.focused(), &b);
}

TEST(FormsModel, ObserversSeeEveryChangeOnce) {
    Label label("L");
    std::vector<Change> changes;
    auto subscription = label.observe([&](Control&, Change c) { changes.push_back(c); });
    label.setLeft(10);
    label.setLeft(10);
    label.setVisible(false);
    label.setCaption(u"x");
    EXPECT_EQ(changes, (std::vector<Change>{Change::Geometry, Change::Visible, Change::Text}));
}

TEST(FormsModel, ASubscriptionEndsItsObserverEvenFromInsideANotification) {
    std::vector<std::string> calls;
    Subscription second;
    auto label = std::make_unique<Label>("L");
    // The first observer removes the second in the middle of a change and adds a third,
    // which sees only later changes.
    Subscription third;
    Subscription first = label->observe([&](Control&, Change) {
        calls.push_back("first");
        second.reset();
        if (calls.size() == 1)
            third = label->observe([&](Control&, Change) { calls.push_back("third"); });
    });
    second = label->observe([&](Control&, Change) { calls.push_back("second"); });
    label->setLeft(1);
    label->setLeft(2);
    first.reset();
    label->setLeft(3);
    // A subscription that outlives its control ends harmlessly.
    label.reset();
    third.reset();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "first", "third", "third"}));
}

TEST(FormsModel, FormGeometryIsItsOuterRectangleAndCloseRunsUnload) {
    Form form("F");
    form.move(100, 200, 5515, 1350);
    EXPECT_EQ(form.width(), 5515);
    EXPECT_FALSE(form.visible());
    form.Show();
    int unloads = 0;
    form.Unload = [&](int16_t& cancel) { cancel = ++unloads == 1 ? 1 : 0; };
    EXPECT_FALSE(form.userClose()); // cancelled: stays
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(form.userClose());
    EXPECT_FALSE(form.visible());
}

TEST(FormsModel, AllControlsWalksNestedContainersInOrder) {
    Form form("F");
    PictureBox outer("Outer");
    Frame frame("Frame");
    Label a("A"), b("B"), c("C");
    form.add(outer);
    outer.add(a);
    outer.add(frame);
    frame.add(b);
    form.add(c);
    std::vector<std::string> names;
    for (Control* control : form.allControls()) names.push_back(control->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Outer", "A", "Frame", "B", "C"}));
    EXPECT_EQ(b.form(), &form);
}
