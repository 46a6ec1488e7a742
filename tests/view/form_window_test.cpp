// The Qt view's own behaviour, beside the behaviour every view shares: the widget of
// each kind, the window manager's frame, the first show and the bar's window flags.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "forms/forms.h"
#include "platform/qt/window_registry.h"
#include "view/form_window.h"
#include "view/picture_widget.h"
#include "view_common/sample_form.h"

namespace sahifex::view {
namespace {

// A window shows once the event loop runs, and is drawn once it is exposed.
bool shown(QWidget& window) {
    return QTest::qWaitFor([&] { return window.isVisible(); }) &&
           QTest::qWaitForWindowExposed(&window);
}

using view_test::SampleForm;

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

TEST_F(FormWindowTest, EachKindOfControlIsDrawnByItsWidget) {
    EXPECT_EQ(windows.find(form), &window);
    EXPECT_NE(widget<QLabel>(form.label), nullptr);
    EXPECT_NE(widget<QLineEdit>(form.box), nullptr);
    EXPECT_NE(widget<QPlainTextEdit>(form.notes), nullptr) << "a multi-line text box";
    EXPECT_NE(widget<QCheckBox>(form.check), nullptr);
    EXPECT_NE(widget<QListWidget>(form.list), nullptr);
    EXPECT_NE(widget<QComboBox>(form.combo), nullptr);
    EXPECT_NE(widget<QPushButton>(form.button), nullptr);
    EXPECT_NE(dynamic_cast<PictureWidget*>(window.widgetOf(form.image)), nullptr);
}

TEST_F(FormWindowTest, AnImageDrawsItsPictureResourceOrNone) {
    auto* image = dynamic_cast<PictureWidget*>(window.widgetOf(form.image));
    EXPECT_EQ(image->picture(), QStringLiteral(":/pictures/send.svg"));
    EXPECT_TRUE(image->hasPicture());
    form.image.setPicture("");
    EXPECT_FALSE(image->hasPicture());
}

// The rows and columns of the widget that the picture paints.
QRect paintedArea(QWidget& widget) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QRect painted;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0 && image.pixel(x, y) != image.pixel(0, 0))
                painted |= QRect(x, y, 1, 1);
    return painted;
}

// A picture shown again, or in a widget that was resized, is drawn as it is now.
TEST_F(FormWindowTest, APictureFollowsTheWidgetsSizeAndItsChanges) {
    PictureWidget picture(nullptr);
    picture.resize(40, 40);
    picture.setPicture(QStringLiteral(":/pictures/send.svg"));
    const QImage small = picture.grab().toImage();
    const QRect smallArea = paintedArea(picture);
    picture.resize(120, 120);
    const QRect largeArea = paintedArea(picture);
    EXPECT_GT(largeArea.width(), 2 * smallArea.width());
    const QImage large = picture.grab().toImage();
    picture.setPicture(QStringLiteral(":/pictures/onn.svg"));
    EXPECT_NE(picture.grab().toImage(), large);
    picture.resize(40, 40);
    picture.setPicture(QStringLiteral(":/pictures/send.svg"));
    EXPECT_EQ(picture.grab().toImage(), small);
}

TEST_F(FormWindowTest, AFramedWindowsRectangleIncludesTheFrame) {
    // The window itself: the form's rectangle is the outer one, the frame included.
    const QMargins frame = window.windowHandle()->frameMargins();
    EXPECT_EQ(window.frameGeometry(), QRect(100, 100, 400, 300));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 400, 300).marginsRemoved(frame));
    form.setWidth(7500);
    form.setLeft(3000);
    EXPECT_EQ(window.frameGeometry(), QRect(200, 100, 500, 300));
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

} // namespace
} // namespace sahifex::view
