// The view of a form: its widgets follow the model, and what the user does on them runs
// the model's handlers, without echoes.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "forms/forms.h"
#include "platform/qt/window_registry.h"
#include "view/form_window.h"
#include "view/picture_widget.h"

namespace sahifex::view {
namespace {

// A window shows once the event loop runs, and is drawn once it is exposed.
bool shown(QWidget& window) {
    return QTest::qWaitFor([&] { return window.isVisible(); }) &&
           QTest::qWaitForWindowExposed(&window);
}

// A form with one control of every kind, some of them nested.
struct SampleForm : forms::Form {
    SampleForm() : Form("Sample") {
        move(1500, 1500, 6000, 4500);
        add(panel);
        panel.move(150, 300, 4500, 3000);
        panel.add(label);
        label.move(150, 150, 1500, 300);
        label.setCaption(u"الآية");
        panel.add(box);
        box.move(150, 600, 3000, 330);
        panel.add(frame);
        frame.move(150, 1200, 3000, 1500);
        frame.add(check);
        check.move(150, 300, 1500, 285);
        check.setCaption(u"جزء من كلمة");
        add(list);
        list.move(4800, 150, 1050, 1500);
        add(combo);
        combo.move(4800, 1800, 1050, 330);
        add(button);
        button.move(4800, 2250, 1050, 330);
        button.setCaption(u"بحث");
        add(image);
        image.move(4800, 2700, 300, 300);
        image.setPicture("send");
        add(notes);
        notes.setMultiLine(true);
        notes.move(4800, 3150, 1050, 900);
        add(shape);
        shape.move(0, 0, 6000, 4500);
        add(timer);
    }
    forms::PictureBox panel{"panel"};
    forms::Label label{"label"};
    forms::TextBox box{"box"};
    forms::Frame frame{"frame"};
    forms::CheckBox check{"check"};
    forms::ListBox list{"list"};
    forms::ComboBox combo{"combo"};
    forms::CommandButton button{"button"};
    forms::Image image{"image"};
    forms::TextBox notes{"notes"};
    forms::Shape shape{"shape"};
    forms::Timer timer{"timer"};
};

struct FormWindowTest : ::testing::Test {
    FormWindowTest() {
        form.Show();
        EXPECT_TRUE(shown(window));
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <class Widget>
    Widget* widget(const forms::Control& c) {
        return qobject_cast<Widget*>(window.widgetOf(c));
    }

    SampleForm form;
    platform::qt::WindowRegistry windows;
    FormWindow window{form, WindowStyle::Framed, windows};
};

// Types text as a keyboard layout would, Arabic letters included.
void typeText(QWidget* target, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &release);
    }
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

TEST_F(FormWindowTest, MakesOneWidgetForEachControlNestedInItsContainer) {
    EXPECT_EQ(windows.find(form), &window);
    EXPECT_NE(widget<QLabel>(form.label), nullptr);
    EXPECT_NE(widget<QLineEdit>(form.box), nullptr);
    EXPECT_NE(widget<QPlainTextEdit>(form.notes), nullptr) << "a multi-line text box";
    EXPECT_NE(widget<QCheckBox>(form.check), nullptr);
    EXPECT_NE(widget<QListWidget>(form.list), nullptr);
    EXPECT_NE(widget<QComboBox>(form.combo), nullptr);
    EXPECT_NE(widget<QPushButton>(form.button), nullptr);
    EXPECT_NE(dynamic_cast<PictureWidget*>(window.widgetOf(form.image)), nullptr);
    EXPECT_EQ(window.widgetOf(form.timer), nullptr) << "a timer draws nothing";

    EXPECT_EQ(window.widgetOf(form.label)->parentWidget(), window.widgetOf(form.panel));
    EXPECT_EQ(window.widgetOf(form.check)->parentWidget(), window.widgetOf(form.frame));
    EXPECT_EQ(window.widgetOf(form.list)->parentWidget(), &window);
}

TEST_F(FormWindowTest, LaterControlsLieAboveEarlierOnesAndTheOutlineBehindAll) {
    const QObjectList& stack = window.children(); // bottom first
    auto place = [&](const forms::Control& c) { return stack.indexOf(window.widgetOf(c)); };
    EXPECT_LT(place(form.list), place(form.combo));
    EXPECT_LT(place(form.combo), place(form.button));
    EXPECT_LT(place(form.button), place(form.image));
    EXPECT_EQ(place(form.shape), 0);
}

TEST_F(FormWindowTest, GeometryIsTwipsOverFifteenAndFollowsTheModel) {
    EXPECT_EQ(window.widgetOf(form.panel)->geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(window.widgetOf(form.label)->geometry(), QRect(10, 10, 100, 20));
    form.label.move(300, 450, 3000, 600);
    EXPECT_EQ(window.widgetOf(form.label)->geometry(), QRect(20, 30, 200, 40));
    form.panel.setTop(-10);
    EXPECT_EQ(window.widgetOf(form.panel)->y(), -1);
    // The window itself: the form's rectangle is the outer one, the frame included.
    const QMargins frame = window.windowHandle()->frameMargins();
    EXPECT_EQ(window.frameGeometry(), QRect(100, 100, 400, 300));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 400, 300).marginsRemoved(frame));
    form.setWidth(7500);
    form.setLeft(3000);
    EXPECT_EQ(window.frameGeometry(), QRect(200, 100, 500, 300));
}

TEST_F(FormWindowTest, VisibilityTextsItemsSelectionValueAndPictureFollowTheModel) {
    form.label.setVisible(false);
    EXPECT_FALSE(window.widgetOf(form.label)->isVisible());
    form.label.setVisible(true);
    EXPECT_TRUE(window.widgetOf(form.label)->isVisible());

    form.label.setCaption(u"البقرة");
    EXPECT_EQ(widget<QLabel>(form.label)->text(), QString::fromUtf8("البقرة"));
    form.box.setText(u"كلمة");
    EXPECT_EQ(widget<QLineEdit>(form.box)->text(), QString::fromUtf8("كلمة"));
    form.button.setCaption(u"إرسال");
    EXPECT_EQ(widget<QPushButton>(form.button)->text(), QString::fromUtf8("إرسال"));
    form.check.setCaption(u"بدون تشكيل");
    EXPECT_EQ(widget<QCheckBox>(form.check)->text(), QString::fromUtf8("بدون تشكيل"));
    form.setCaption(u"صحيفة");
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("صحيفة"));
    form.button.setToolTipText(u"مساعدة");
    EXPECT_EQ(window.widgetOf(form.button)->toolTip(), QString::fromUtf8("مساعدة"));
    form.button.setEnabled(false);
    EXPECT_FALSE(window.widgetOf(form.button)->isEnabled());
    form.label.setFontSize(20);
    EXPECT_EQ(window.widgetOf(form.label)->font().pointSize(), 20);

    auto* list = widget<QListWidget>(form.list);
    for (const char16_t* item : {u"الفاتحة", u"البقرة", u"آل عمران"}) form.list.AddItem(item);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("آل عمران"));
    form.list.setListIndex(1);
    EXPECT_EQ(list->currentRow(), 1);
    form.list.Clear();
    EXPECT_EQ(list->count(), 0);
    form.list.AddItem(u"الناس");
    EXPECT_EQ(list->count(), 1);

    auto* combo = widget<QComboBox>(form.combo);
    form.combo.AddItem(u"0");
    form.combo.AddItem(u"الفاتحة");
    form.combo.setListIndex(1);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), 1);

    auto* check = widget<QCheckBox>(form.check);
    form.check.setValue(1);
    EXPECT_TRUE(check->isChecked());
    form.check.setValue(0);
    EXPECT_FALSE(check->isChecked());

    auto* image = dynamic_cast<PictureWidget*>(window.widgetOf(form.image));
    EXPECT_EQ(image->picture(), QStringLiteral(":/pictures/send.svg"));
    EXPECT_TRUE(image->hasPicture());
    form.image.setPicture("onn");
    EXPECT_EQ(image->picture(), QStringLiteral(":/pictures/onn.svg"));
    EXPECT_TRUE(image->hasPicture());
    form.image.setPicture("");
    EXPECT_FALSE(image->hasPicture());
}

TEST_F(FormWindowTest, EveryPictureTheWindowsNameIsDrawn) {
    PictureWidget picture(&window);
    for (const char* name : {"options", "layout_wide", "layout_narrow", "send", "font", "start",
                             "settings", "onn", "off", "blank", "title"}) {
        picture.setPicture(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)));
        EXPECT_TRUE(picture.hasPicture()) << name;
    }
}

TEST_F(FormWindowTest, ModelChangesDoNotEchoIntoTheModel) {
    int listClicks = 0, checkClicks = 0, comboClicks = 0;
    form.list.Click = [&] { ++listClicks; };
    form.check.Click = [&] { ++checkClicks; };
    form.combo.Click = [&] { ++comboClicks; };
    form.list.AddItem(u"أ");
    form.list.AddItem(u"ب");
    form.list.setListIndex(1);
    form.list.setListIndex(-1);
    EXPECT_EQ(listClicks, 2) << "one Click for each set, none from the widget";
    EXPECT_EQ(widget<QListWidget>(form.list)->currentRow(), -1);
    form.list.setListIndex(0);
    form.list.Clear();
    EXPECT_EQ(listClicks, 3);
    EXPECT_EQ(form.list.listIndex(), -1);

    form.check.setValue(1);
    EXPECT_EQ(checkClicks, 1);
    form.combo.AddItem(u"0");
    form.combo.setListIndex(0);
    EXPECT_EQ(comboClicks, 1);

    std::u16string seen;
    int textChanges = 0;
    auto subscription = form.box.observe([&](forms::Control&, forms::Change c) {
        if (c == forms::Change::Text) ++textChanges;
    });
    form.box.setText(u"كلمة");
    form.notes.setText(u"سطر\nسطر");
    EXPECT_EQ(textChanges, 1);
    EXPECT_EQ(form.notes.text(), u"سطر\nسطر");
}

TEST_F(FormWindowTest, ClicksOnButtonsLabelsImagesAndPictureBoxesRunClick) {
    std::vector<std::string> clicked;
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &form.button, &form.label, &form.image, &form.panel})
        c->Click = [&clicked, c] { clicked.push_back(c->name()); };
    QTest::mouseClick(window.widgetOf(form.button), Qt::LeftButton);
    QTest::mouseClick(window.widgetOf(form.label), Qt::LeftButton);
    QTest::mouseClick(window.widgetOf(form.image), Qt::LeftButton);
    QTest::mouseClick(window.widgetOf(form.panel), Qt::LeftButton, {}, QPoint(250, 150));
    QTest::mouseClick(window.widgetOf(form.image), Qt::RightButton);
    EXPECT_EQ(clicked, (std::vector<std::string>{"button", "label", "image", "panel"}))
        << "a click on the label is the label's alone, not its panel's; a right click is none";
}

TEST_F(FormWindowTest, ADoubleClickRunsDblClickAndItsSecondReleaseNoClick) {
    std::vector<std::string> events;
    form.image.Click = [&] { events.push_back("click"); };
    form.image.DblClick = [&] { events.push_back("dblclick"); };
    form.image.MouseUp = [&](const forms::MouseEvent&) { events.push_back("up"); };
    QWidget* image = window.widgetOf(form.image);
    const QPoint at(5, 5);
    sendMouse(image, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(image, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    sendMouse(image, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(image, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events, (std::vector<std::string>{"up", "click", "dblclick", "up"}));
}

TEST_F(FormWindowTest, MouseEventsCarryTheButtonsAsBitsAndTwipsWithinTheControl) {
    std::vector<forms::MouseEvent> downs, moves, ups;
    form.image.MouseDown = [&](const forms::MouseEvent& e) { downs.push_back(e); };
    form.image.MouseMove = [&](const forms::MouseEvent& e) { moves.push_back(e); };
    form.image.MouseUp = [&](const forms::MouseEvent& e) { ups.push_back(e); };
    QWidget* image = window.widgetOf(form.image);
    sendMouse(image, QEvent::MouseButtonPress, QPoint(4, 6), Qt::LeftButton, Qt::LeftButton);
    sendMouse(image, QEvent::MouseMove, QPoint(8, 2), Qt::NoButton,
              Qt::LeftButton | Qt::RightButton);
    sendMouse(image, QEvent::MouseButtonRelease, QPoint(9, 3), Qt::RightButton, Qt::LeftButton);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, forms::LeftButton);
    EXPECT_EQ(downs[0].x, 60);
    EXPECT_EQ(downs[0].y, 90);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].button, forms::LeftButton | forms::RightButton);
    EXPECT_EQ(moves[0].x, 120);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].button, forms::RightButton);
    EXPECT_EQ(ups[0].y, 45);
}

TEST_F(FormWindowTest, TheUsersSelectionAndToggleRunTheModelsHandlersOnce) {
    std::vector<int> selected;
    form.list.Click = [&] { selected.push_back(form.list.listIndex()); };
    for (const char16_t* item : {u"أ", u"ب", u"ت"}) form.list.AddItem(item);
    auto* list = widget<QListWidget>(form.list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(form.list.listIndex(), 2);
    EXPECT_EQ(selected, std::vector<int>{2});

    int comboClicks = 0;
    form.combo.Click = [&] { ++comboClicks; };
    form.combo.AddItem(u"0");
    form.combo.AddItem(u"الفاتحة");
    auto* combo = widget<QComboBox>(form.combo);
    combo->setFocus();
    EXPECT_EQ(combo->currentIndex(), -1) << "nothing chosen yet";
    QTest::keyClick(combo, Qt::Key_Down); // the user picks an entry
    EXPECT_GE(form.combo.listIndex(), 0);
    EXPECT_EQ(form.combo.listIndex(), combo->currentIndex());
    EXPECT_EQ(comboClicks, 1);

    std::vector<int> values;
    form.check.Click = [&] { values.push_back(form.check.value()); };
    QTest::mouseClick(widget<QCheckBox>(form.check), Qt::LeftButton);
    EXPECT_EQ(form.check.value(), 1);
    QTest::mouseClick(widget<QCheckBox>(form.check), Qt::LeftButton);
    EXPECT_EQ(form.check.value(), 0);
    EXPECT_EQ(values, (std::vector<int>{1, 0}));

    // A click handler that puts the value back: the box shows the model's value.
    form.check.Click = [&] { form.check.setValue(0); };
    QTest::mouseClick(widget<QCheckBox>(form.check), Qt::LeftButton);
    EXPECT_EQ(form.check.value(), 0);
    EXPECT_FALSE(widget<QCheckBox>(form.check)->isChecked());
}

TEST_F(FormWindowTest, TypedTextReachesTheModelAndKeyPressSeesTheCharacterCode) {
    std::vector<int> keys;
    form.box.KeyPress = [&](int16_t& key) { keys.push_back(key); };
    auto* box = widget<QLineEdit>(form.box);
    box->setFocus();
    typeText(box, QString::fromUtf8("سب"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Left); // types nothing: no KeyPress
    EXPECT_EQ(keys, (std::vector<int>{0x0633, 0x0628, 8, 13}));
    EXPECT_EQ(form.box.text(), u"س");
}

TEST_F(FormWindowTest, AKeyFilterThatSetsZeroDiscardsTheKey) {
    // Only Arabic letters pass, as the search box's filter does.
    form.box.KeyPress = [](int16_t& key) {
        if (key != 8 && key != 13 && (key < 0x0627 || key > 0x064A)) key = 0;
    };
    auto* box = widget<QLineEdit>(form.box);
    box->setFocus();
    typeText(box, QString::fromUtf8("a1ب-ت"));
    EXPECT_EQ(box->text(), QString::fromUtf8("بت"));
    EXPECT_EQ(form.box.text(), u"بت");
}

TEST_F(FormWindowTest, AKeyFilterCanTypeAnotherCharacterInstead) {
    form.box.KeyPress = [](int16_t& key) {
        if (key == u'a') key = static_cast<int16_t>(u'ش');
    };
    auto* box = widget<QLineEdit>(form.box);
    box->setFocus();
    typeText(box, QStringLiteral("ab"));
    EXPECT_EQ(form.box.text(), u"شb");
}

TEST_F(FormWindowTest, FocusMovesBothWays) {
    form.focus(form.list);
    EXPECT_TRUE(window.widgetOf(form.list)->hasFocus());
    std::vector<std::string> events;
    form.box.GotFocus = [&] { events.push_back("box got"); };
    form.box.LostFocus = [&] { events.push_back("box lost"); };
    form.list.GotFocus = [&] { events.push_back("list got"); };
    // The model asks: the widget takes the focus.
    form.focus(form.box);
    EXPECT_TRUE(window.widgetOf(form.box)->hasFocus());
    // The user moves it: the model hears of it.
    window.widgetOf(form.list)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form.focused(), &form.list);
    EXPECT_EQ(events, (std::vector<std::string>{"box got", "box lost", "list got"}));
}

TEST_F(FormWindowTest, ClosingTheWindowRunsUnloadAndHidesIt) {
    int unloads = 0;
    form.Unload = [&](int16_t&) { ++unloads; };
    window.close();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(window.isVisible());

    form.Show();
    EXPECT_TRUE(window.isVisible()) << "shown again at once";
    form.Unload = [&](int16_t& cancel) { cancel = 1; };
    window.close();
    EXPECT_TRUE(form.visible()) << "a cancelled unload keeps the window";
    EXPECT_TRUE(window.isVisible());
}

TEST_F(FormWindowTest, TheBarIsATopmostToolWindowThatTakesNoFocus) {
    forms::Form barForm("Top_Bar");
    barForm.move(0, 0, 5384, 345);
    FormWindow bar(barForm, WindowStyle::FloatingBar, windows);
    const Qt::WindowFlags flags = bar.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Tool));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(bar.testAttribute(Qt::WA_ShowWithoutActivating));
    barForm.Show();
    EXPECT_TRUE(shown(bar));
    bar.close();
    EXPECT_TRUE(barForm.visible()) << "the bar cannot be closed: it is the way to end the program";
}

TEST_F(FormWindowTest, TheFirstShowWaitsForTheEventLoopAndTheStartUpsPlace) {
    forms::Form main("Options_Form");
    FormWindow window(main, WindowStyle::Frameless, windows);
    int rememberedBeforeShow = 0;
    window.beforeShow = [&] {
        EXPECT_FALSE(window.isVisible());
        ++rememberedBeforeShow;
    };
    main.move(0, 0, 5515, 1350);
    main.Show();
    // start-up centres the window right after showing it
    main.setTop(3000);
    main.setLeft(4500);
    EXPECT_FALSE(window.isVisible()) << "not before the event loop runs";
    EXPECT_TRUE(shown(window));
    EXPECT_EQ(window.geometry().topLeft(), QPoint(300, 200));
    EXPECT_EQ(rememberedBeforeShow, 1);
    main.Hide();
    EXPECT_FALSE(window.isVisible());
    main.Show();
    EXPECT_TRUE(window.isVisible()) << "later shows are immediate";
    EXPECT_EQ(rememberedBeforeShow, 2);
}

TEST_F(FormWindowTest, AFramelessWindowIsItsOwnRectangleWithItsBorderAboveTheControls) {
    forms::Form popup("Popup");
    forms::PictureBox cover("cover");
    popup.add(cover);
    cover.move(0, 0, 3000, 1500);
    popup.move(1500, 3000, 3000, 1500);
    FormWindow window(popup, WindowStyle::Frameless, windows);
    popup.Show();
    EXPECT_TRUE(shown(window));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.geometry(), QRect(100, 200, 200, 100));
    const QWidget* top = qobject_cast<QWidget*>(window.children().last());
    ASSERT_NE(top, nullptr);
    EXPECT_NE(top, window.widgetOf(cover)) << "the border is drawn over the panel that fills the window";
    EXPECT_EQ(top->geometry(), window.rect());
    EXPECT_TRUE(top->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(FormWindowTest, TheUsersMoveAndResizeFlowBackIntoTheForm) {
    // Wait until the window has settled after its own requests.
    QTest::qWait(400);
    // as a window manager moves and sizes it for the user
    window.setGeometry(QRect(250, 120, 420, 310).marginsRemoved(window.windowHandle()->frameMargins()));
    QTest::qWait(50);
    EXPECT_EQ(form.left(), 250 * 15);
    EXPECT_EQ(form.top(), 120 * 15);
    EXPECT_EQ(form.width(), 420 * 15);
    EXPECT_EQ(form.height(), 310 * 15);
    // and the form's own moves go on reaching the window
    form.setLeft(1500);
    EXPECT_EQ(window.frameGeometry().x(), 100);
}

TEST_F(FormWindowTest, AFailingHandlerEndsOnlyThatHandler) {
    form.button.Click = [] { throw forms::RuntimeFailure("index out of range"); };
    QTest::mouseClick(window.widgetOf(form.button), Qt::LeftButton);
    int clicks = 0;
    form.button.Click = [&] { ++clicks; };
    QTest::mouseClick(window.widgetOf(form.button), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace sahifex::view
