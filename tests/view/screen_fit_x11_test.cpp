// Both windows of the program on a 1280x800 X screen with openbox: a long verse and a
// long notice are shown whole, the window inside the screen and the bar above it.
// With SAHIFEX_SHOTS set, a screenshot of each case goes into that folder.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/fake/fake_system.h"
#include "platform/linux/linux_backends.h"
#include "platform/qt/window_registry.h"
#include "platform/twips.h"
#include "store/long_verse.h"
#include "store/verse_channels.h"
#include "support/temp_folder.h"
#include "view/form_window.h"
#include "view/wrapped_label.h"

namespace sahifex::view {
namespace {

namespace fs = std::filesystem;
using platform::toPixels;

// The program's two windows as start-up leaves them: the main window centred, the bar
// docked above it; keyboard and layouts are the fake's.
struct ProgramWindows {
    explicit ProgramWindows(const fs::path& programDir)
        : qt(platform::createLinuxServices({}, windows, programDir)),
          services(fake.keyboardOn(qt.services())) {
        main.LongVerseText =
            std::u16string(store::kLongVersePart1) + std::u16string(store::kLongVersePart2);
        main.StartIt.setVisible(false);
        main.Check2.setValue(1); // the vocalized text
        main.Show();
        main.setTop(services.screen.heightTwips() / 2 - main.height() / 2);
        main.setLeft(services.screen.widthTwips() / 2 - main.width() / 2);
        bar.setHeight(345);
        bar.Show();
        bar.dockToMain();
        for (QWidget* window : {static_cast<QWidget*>(&mainWindow), static_cast<QWidget*>(&barWindow)})
            EXPECT_TRUE(QTest::qWaitFor([window] { return window->isVisible(); }) &&
                        QTest::qWaitForWindowExposed(window));
    }
    void search(const std::u16string& word) {
        main.Text1.setText(word);
        main.Command1_Click();
        QTest::qWait(600); // the window manager places the windows
    }
    QRect screenArea() const { return mainWindow.screen()->availableGeometry(); }
    // The widget's rectangle on the screen.
    static QRect onScreen(const QWidget& widget) {
        return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    }
    void expectWindowsWholeAndApart() {
        EXPECT_TRUE(screenArea().contains(mainWindow.frameGeometry()))
            << "window " << mainWindow.frameGeometry().y() << "+" << mainWindow.frameGeometry().height();
        EXPECT_TRUE(screenArea().contains(barWindow.frameGeometry()));
        EXPECT_FALSE(barWindow.frameGeometry().intersects(mainWindow.frameGeometry()));
        // The form says where its window is.
        EXPECT_EQ(toPixels(main.left()), mainWindow.frameGeometry().x());
        EXPECT_EQ(toPixels(main.top()), mainWindow.frameGeometry().y());
        EXPECT_EQ(toPixels(main.height()), mainWindow.frameGeometry().height());
    }
    // The label is on the screen within its window, and tall enough for its text.
    void expectShownWhole(const forms::Label& control) {
        auto* label = static_cast<WrappedLabel*>(mainWindow.widgetOf(control));
        EXPECT_TRUE(label->isVisible());
        EXPECT_TRUE(mainWindow.geometry().contains(onScreen(*label))) << control.name();
        EXPECT_TRUE(screenArea().contains(onScreen(*label))) << control.name();
        EXPECT_LE(label->wrapped().height(), label->height()) << control.name();
    }
    void screenshot(const char* name) {
        const QString dir = qEnvironmentVariable("SAHIFEX_SHOTS");
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        mainWindow.screen()->grabWindow(0).save(dir + QLatin1Char('/') + QLatin1String(name));
    }

    platform::qt::WindowRegistry windows;
    platform::ProgramServices qt;
    platform::fake::FakeSystem fake;
    platform::Services services;
    app::Program program{services};
    app::Options_Form& main = program.mainForm;
    bar::Top_Bar& bar = program.topBar;
    FormWindow mainWindow{main, WindowStyle::Frameless, windows};
    FormWindow barWindow{bar, WindowStyle::FloatingBar, windows};
};

TEST(ScreenFit, TheLongestVerseIsShownWholeOnTheScreenWithTheBarAboveIt) {
    ProgramWindows program(SAHIFEX_DATA_DIR);
    ASSERT_EQ(program.screenArea().height(), 800) << "the test runs on a 1280x800 screen";
    const int startHeight = program.mainWindow.frameGeometry().height();
    program.search(u"أقسط");
    ASSERT_EQ(program.main.List1.ListCount(), 2) << program.fake.logLine();
    EXPECT_EQ(program.main.Label5.caption(), u"282");
    EXPECT_EQ(program.main.Label2.caption(), program.main.LongVerseText);
    EXPECT_GT(program.mainWindow.frameGeometry().height(), startHeight * 5) << "fitted to the verse";
    program.expectWindowsWholeAndApart();
    program.expectShownWhole(program.main.Label2);
    const QRect send = ProgramWindows::onScreen(*program.mainWindow.widgetOf(program.main.SendIt));
    EXPECT_TRUE(program.screenArea().contains(send)) << "the send picture can be clicked";
    program.screenshot("long-verse.png");

    program.main.List1.setListIndex(1); // 33:5, shorter: the window shrinks where it is
    QTest::qWait(300);
    program.expectWindowsWholeAndApart();
    program.screenshot("shorter-verse.png");
}

TEST(ScreenFit, TheNoticeOfAMissingVerseFileIsShownWhole) {
    const testing::TempFolder folder("fit");
    const fs::path& dir = folder.path();
    fs::copy_file(fs::path(SAHIFEX_DATA_DIR) / store::kVocalizedFileName,
                  dir / store::kVocalizedFileName, fs::copy_options::overwrite_existing);
    {
        ProgramWindows program(dir);
        program.search(u"قال");
        EXPECT_EQ(program.main.Label10.caption(), u"تعذرت قراءة ملف الآيات QuranV.Qur");
        program.expectWindowsWholeAndApart();
        program.expectShownWhole(program.main.Label10);
        EXPECT_TRUE(program.mainWindow.geometry().contains(
            ProgramWindows::onScreen(*program.mainWindow.widgetOf(program.main.Picture1))));
        program.screenshot("missing-verse-file.png");
    }
}

} // namespace
} // namespace sahifex::view
