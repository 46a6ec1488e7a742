// A frameless window resized by its border under a real window manager, the pointer
// driven with xdotool; what the user did ends up in the form's rectangle.

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "forms/forms.h"
#include "platform/twips.h"
#include "platform/qt/window_registry.h"
#include "view/form_window.h"

namespace sahifex::view {
namespace {

constexpr int kTwipsPerPixel = 15;

void xdotool(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
}

// Waits until the event loop has passed the window system's answers on.
void settle() { QTest::qWait(600); }

struct SmallForm : forms::Form {
    explicit SmallForm(bool sizable) : Form("Small") {
        setSizable(sizable);
        move(1500, 1500, 4500, 3000); // 100, 100, 300 x 200 pixels
        add(box);
        box.move(0, 0, 4500, 600); // a control under the top and side edges
    }
    forms::TextBox box{"box"};
};

struct Resizing : ::testing::Test {
    explicit Resizing(bool sizable) : form(sizable) {
        form.Show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isVisible(); }));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
    }
    // Drags from a point of the window (its own pixels) by the given distance.
    void drag(QPoint from, QPoint by) {
        pointAt(from);
        const QPoint start = window.mapToGlobal(from);
        xdotool({"mousedown", "1"});
        QTest::qWait(200);
        const QPoint end = start + by;
        xdotool({"mousemove", QString::number(end.x()), QString::number(end.y())});
        QTest::qWait(300);
        xdotool({"mouseup", "1"});
        settle();
    }

    void pointAt(QPoint point) {
        const QPoint global = window.mapToGlobal(point);
        xdotool({"mousemove", QString::number(global.x()), QString::number(global.y())});
        settle();
    }
    Qt::CursorShape cursorShown() const { return window.windowHandle()->cursor().shape(); }

    SmallForm form;
    platform::qt::WindowRegistry windows;
    FormWindow window{form, WindowStyle::Frameless, windows};
};

struct SizableResizing : Resizing {
    SizableResizing() : Resizing(true) {}
};
struct FixedResizing : Resizing {
    FixedResizing() : Resizing(false) {}
};

TEST_F(SizableResizing, RightEdgeWidens) {
    ASSERT_EQ(window.geometry(), QRect(100, 100, 300, 200));
    drag({298, 100}, {100, 0});
    EXPECT_NEAR(form.width(), 4500 + 100 * kTwipsPerPixel, 2 * kTwipsPerPixel);
    EXPECT_EQ(form.height(), 3000);
    EXPECT_EQ(form.left(), 1500);
    EXPECT_EQ(form.top(), 1500);
    EXPECT_NEAR(window.width(), 400, 2);
}

TEST_F(SizableResizing, CornerOverAControlWidensAndLengthens) {
    drag({298, 198}, {100, 100});
    EXPECT_NEAR(form.width(), 4500 + 100 * kTwipsPerPixel, 2 * kTwipsPerPixel);
    EXPECT_NEAR(form.height(), 3000 + 100 * kTwipsPerPixel, 2 * kTwipsPerPixel);
    EXPECT_EQ(form.left(), 1500);
    EXPECT_EQ(form.top(), 1500);
}

TEST_F(SizableResizing, TopEdgeOverAControlMovesTheTop) {
    // The text box lies under the top edge: the band is the window's, not the box's.
    drag({150, 1}, {0, -50});
    EXPECT_NEAR(form.top(), 1500 - 50 * kTwipsPerPixel, 2 * kTwipsPerPixel);
    EXPECT_NEAR(form.height(), 3000 + 50 * kTwipsPerPixel, 2 * kTwipsPerPixel);
    EXPECT_EQ(form.left(), 1500);
    EXPECT_EQ(form.width(), 4500);
}

TEST_F(SizableResizing, BorderShowsTheResizeCursorAndTheControlsKeepTheirs) {
    pointAt({298, 100});
    EXPECT_EQ(cursorShown(), Qt::SizeHorCursor);
    pointAt({298, 198});
    EXPECT_EQ(cursorShown(), Qt::SizeFDiagCursor);
    pointAt({150, 1});
    EXPECT_EQ(cursorShown(), Qt::SizeVerCursor);
    pointAt({150, 20}); // inside the text box
    EXPECT_EQ(cursorShown(), Qt::IBeamCursor);
    pointAt({150, 100}); // on the window itself
    EXPECT_EQ(cursorShown(), Qt::ArrowCursor);
}

TEST_F(SizableResizing, ControlBesideTheBandStillTakesTheClick) {
    pointAt({150, 20});
    xdotool({"click", "1"});
    settle();
    EXPECT_TRUE(window.widgetOf(form.box)->hasFocus());
    EXPECT_EQ(window.geometry(), QRect(100, 100, 300, 200));
}

TEST_F(SizableResizing, AltF4ClosesTheWindowThroughTheForm) {
    bool unloaded = false;
    form.Unload = [&](int16_t&) { unloaded = true; };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    xdotool({"key", "alt+F4"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.visible(); }));
    EXPECT_TRUE(unloaded);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FixedResizing, BorderShowsNoResizeCursor) {
    pointAt({298, 198});
    EXPECT_EQ(cursorShown(), Qt::ArrowCursor);
}

TEST_F(FixedResizing, BorderDoesNotResize) {
    drag({298, 198}, {100, 100});
    EXPECT_EQ(form.width(), 4500);
    EXPECT_EQ(form.height(), 3000);
    EXPECT_EQ(form.left(), 1500);
    EXPECT_EQ(form.top(), 1500);
    EXPECT_EQ(window.geometry(), QRect(100, 100, 300, 200));
}

} // namespace
} // namespace sahifex::view

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    return RUN_ALL_TESTS();
}
