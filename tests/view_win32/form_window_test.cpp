// The native Win32 view of a form: model changes reach the controls, what the user does
// reaches the model, windows follow the form and the form follows the user's moves.

#include "view_win32/form_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "forms/forms.h"
#include "view_win32/text_windows.h"
#include "view_win32/tool_tips.h"

namespace sahifex::view_win32 {
namespace {

using platform::win32::WindowRegistry;

struct TestForm : forms::Form {
    forms::Label label{"Label1"};
    forms::TextBox box{"Text1"};
    forms::PictureBox panel{"Panel"};
    forms::ListBox list{"List1"}; // inside the panel
    forms::CheckBox check{"Check1"};
    forms::Image image{"Image1"};

    TestForm() : Form("Form1") {
        for (forms::Control* control : {static_cast<forms::Control*>(&label),
                                        static_cast<forms::Control*>(&box),
                                        static_cast<forms::Control*>(&panel),
                                        static_cast<forms::Control*>(&check),
                                        static_cast<forms::Control*>(&image)})
            add(*control);
        panel.add(list);
        move(1500, 1500, 6000, 4500);
        label.move(300, 150, 3000, 300);
        box.move(300, 600, 3000, 360);
        panel.move(300, 1200, 4000, 2000);
        list.move(150, 150, 3000, 1500);
        check.move(300, 3300, 3000, 300);
        image.move(4500, 150, 600, 600);
        image.setToolTipText(u"إرسال الآية");
        box.setToolTipText(u"اكتب كلمة البحث هنا");
    }
};

struct FormWindowTest : ::testing::Test {
    TestForm form;
    WindowRegistry windows;
    std::unique_ptr<FormWindow> window;

    void SetUp() override {
        window = std::make_unique<FormWindow>(form, WindowStyle::Frameless, windows);
        form.Show();
    }
    HWND of(const forms::Control& control) { return window->windowOf(control); }
    RECT outerRect() {
        RECT rect;
        GetWindowRect(window->handle(), &rect);
        return rect;
    }
};

TEST_F(FormWindowTest, ModelChangesReachTheControls) {
    form.label.setCaption(u"الفاتحة:");
    form.box.setText(u"الصمد");
    form.list.AddItem(u"الم 1");
    form.list.AddItem(u"الم 2");
    form.list.setListIndex(1);
    form.check.setValue(1);
    EXPECT_EQ(windowText(of(form.label)), u"الفاتحة:");
    EXPECT_EQ(windowText(of(form.box)), u"الصمد");
    EXPECT_EQ(SendMessageW(of(form.list), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(of(form.list), LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(of(form.check), BM_GETCHECK, 0, 0), BST_CHECKED);
    form.list.Clear();
    EXPECT_EQ(SendMessageW(of(form.list), LB_GETCOUNT, 0, 0), 0);
    form.label.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(of(form.label)));
}

TEST_F(FormWindowTest, TypingReachesTheModelAndKeyPressMayChangeTheKey) {
    SetWindowTextW(of(form.box), L"كلمة"); // as the user's typing changes it
    EXPECT_EQ(form.box.text(), u"كلمة");
    int enters = 0;
    form.box.KeyPress = [&](int16_t& key) {
        if (key == 13) { ++enters; key = 0; }          // the handler takes Enter
        else if (key == u'a') key = static_cast<int16_t>(u'ب'); // and types another letter
    };
    SendMessageW(of(form.box), EM_SETSEL, 4, 4); // the caret after the word
    SendMessageW(of(form.box), WM_CHAR, 13, 0);
    SendMessageW(of(form.box), WM_CHAR, u'a', 0);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(form.box.text(), u"كلمةب");
}

TEST_F(FormWindowTest, TabMovesTheFocusThroughTheControlsInTheFormsOrder) {
    // The text box, the list inside the panel, the check box, and round again; Shift+Tab
    // goes back. The label and the image take no focus.
    SetFocus(of(form.box));
    std::vector<HWND> focused;
    const auto press = [&](bool shift) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        focused.push_back(GetFocus());
    };
    for (bool shift : {false, false, false, true, true}) press(shift);
    EXPECT_EQ(focused, (std::vector<HWND>{of(form.list), of(form.check), of(form.box), of(form.check),
                                          of(form.list)}));
}

TEST_F(FormWindowTest, SelectionInAListInsideAPanelRunsItsClick) {
    form.list.AddItem(u"الم 1");
    form.list.AddItem(u"الم 2");
    int clicks = 0;
    form.list.Click = [&] { ++clicks; };
    HWND list = of(form.list);
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    // The list tells its container, the panel, as a user's selection does.
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(form.list.listIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormWindowTest, ImageClicksOnReleaseButNotAfterADoubleClick) {
    int clicks = 0, doubleClicks = 0;
    form.image.Click = [&] { ++clicks; };
    form.image.DblClick = [&] { ++doubleClicks; };
    HWND image = of(form.image);
    const LPARAM inside = MAKELPARAM(5, 5);
    SendMessageW(image, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(image, WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(clicks, 1);
    SendMessageW(image, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    SendMessageW(image, WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormWindowTest, WindowFollowsTheFormAndTheFormTheUsersMoves) {
    form.setLeft(3000);
    form.setWidth(7500);
    RECT rect = outerRect();
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.right - rect.left, 500);
    SetWindowPos(window->handle(), nullptr, 150, 120, 480, 360, SWP_NOZORDER); // the user's
    EXPECT_EQ(form.left(), 150 * 15);
    EXPECT_EQ(form.top(), 120 * 15);
    EXPECT_EQ(form.width(), 480 * 15);
    EXPECT_EQ(form.height(), 360 * 15);
}

TEST_F(FormWindowTest, ControlsWithATipShowIt) {
    EXPECT_EQ(SendMessageW(toolTipsOf(window->handle()), TTM_GETTOOLCOUNT, 0, 0), 2);
    form.image.setToolTipText(u"");
    EXPECT_EQ(SendMessageW(toolTipsOf(window->handle()), TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST(FloatingBar, ClicksNeverActivateIt) {
    TestForm bar;
    WindowRegistry windows;
    FormWindow window(bar, WindowStyle::FloatingBar, windows);
    bar.Show();
    EXPECT_TRUE(GetWindowLongPtrW(window.handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(SendMessageW(window.windowOf(bar.image), WM_MOUSEACTIVATE,
                           reinterpret_cast<WPARAM>(window.handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
}

} // namespace
} // namespace sahifex::view_win32
