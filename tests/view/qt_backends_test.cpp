// The Qt backends of the platform services, on the offscreen platform.

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <gtest/gtest.h>

#include "forms/forms.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/qt/qt_topmost.h"

namespace sahifex::platform::qt {
namespace {

TEST(QtClipboard, KeepsTheTextItWasGivenUntilCleared) {
    QtClipboard clipboard;
    const std::u16string verse = u"[اللَّهُ لَا إِلَٰهَ إِلَّا هُوَ] البقرة:255";
    EXPECT_TRUE(clipboard.setText(verse));
    EXPECT_EQ(clipboard.text(), verse);
    EXPECT_TRUE(clipboard.setText(u"الحمد"));
    EXPECT_EQ(clipboard.text(), u"الحمد");
    clipboard.clear();
    EXPECT_EQ(clipboard.text(), u"");
}

TEST(QtEventLoop, YieldRunsWhatIsPending) {
    QtEventLoop loop;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    loop.yield();
    EXPECT_TRUE(ran);
}

TEST(QtEventLoop, AnAttachedTimerTicksWhileItsIntervalIsAboveZero) {
    QtEventLoop loop;
    forms::Timer timer("Timer2");
    int ticks = 0;
    timer.TimerEvent = [&] { ++ticks; };
    loop.attach(timer);
    QTest::qWait(60);
    EXPECT_EQ(ticks, 0) << "Interval 0: stopped";

    timer.setInterval(20);
    QTest::qWait(200);
    EXPECT_GE(ticks, 4);
    EXPECT_LE(ticks, 11);

    timer.setInterval(0);
    const int whenStopped = ticks;
    QTest::qWait(100);
    EXPECT_EQ(ticks, whenStopped);
}

TEST(QtEventLoop, SettingTheIntervalStartsTheCountAgain) {
    QtEventLoop loop;
    forms::Timer timer("Timer2");
    int ticks = 0;
    timer.TimerEvent = [&] { ++ticks; };
    loop.attach(timer);
    timer.setInterval(120);
    // Set again every 40 ms, the interval never runs out.
    for (int i = 0; i < 6; ++i) {
        QTest::qWait(40);
        timer.setInterval(120);
    }
    EXPECT_EQ(ticks, 0);
    QTest::qWait(200);
    EXPECT_GE(ticks, 1);
}

TEST(QtEventLoop, ATickThatFailsEndsOnlyThatTick) {
    QtEventLoop loop;
    forms::Timer timer("Timer2");
    int ticks = 0;
    timer.TimerEvent = [&] {
        ++ticks;
        throw forms::RuntimeFailure("no item 3");
    };
    loop.attach(timer);
    timer.setInterval(20);
    QTest::qWait(150);
    timer.setInterval(0);
    EXPECT_GE(ticks, 3) << "the timer goes on ticking after a failed tick";
}

TEST(QtEventLoop, ExitNowEndsThroughTheGivenExit) {
    int exits = 0;
    QtEventLoop loop([&] { ++exits; });
    loop.exitNow();
    EXPECT_EQ(exits, 1);
}

// The program loads Qt's Arabic words as below: the message boxes' buttons then read
// Arabic, provided the translations are installed with the program.
TEST(QtWords, TheMessageBoxButtonsReadArabic) {
    QTranslator words;
    ASSERT_TRUE(words.load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        << "Qt's translations are installed";
    QApplication::installTranslator(&words);
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel);
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (QMessageBox::StandardButton which : {QMessageBox::Ok, QMessageBox::Cancel}) {
        const QString text = box.button(which)->text();
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.contains(latin)) << text.toStdString();
    }
    QApplication::removeTranslator(&words);
}

TEST(QtTextMetrics, LongerTextWrapsIntoMoreHeight) {
    QtTextMetrics metrics;
    const int oneWord = metrics.wrappedTextHeight(u"الحمد", 5400, 14);
    std::u16string longVerse;
    for (int i = 0; i < 40; ++i) longVerse += u"الحمد لله رب العالمين ";
    const int many = metrics.wrappedTextHeight(longVerse, 5400, 14);
    EXPECT_GT(oneWord, 0);
    EXPECT_EQ(oneWord % 15, 0) << "whole pixels, 15 twips each";
    EXPECT_GT(many, 3 * oneWord);
    EXPECT_EQ(metrics.wrappedTextHeight(u"", 5400, 14), oneWord) << "an empty label keeps one line";
    EXPECT_GT(metrics.wrappedTextHeight(longVerse, 2700, 14), many) << "narrower is taller";
    EXPECT_GT(metrics.wrappedTextHeight(u"الحمد", 5400, 28), oneWord) << "a larger font is taller";
}

TEST(QtScreen, IsThePrimaryScreenInTwips) {
    QtScreen screen;
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(screen.widthTwips(), size.width() * 15);
    EXPECT_EQ(screen.heightTwips(), size.height() * 15);
}

TEST(QtTopmost, PutsTheFormsWindowAboveTheOthers) {
    WindowRegistry windows;
    QtTopmost topmost(windows);
    forms::Form form("Options_Form");
    topmost.makeTopmost(form); // no window yet: nothing to do, no failure
    QWidget window;
    windows.add(form, window);
    window.show();
    topmost.makeTopmost(form);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible()) << "a shown window stays shown";
    windows.remove(form);
    EXPECT_EQ(windows.find(form), nullptr);
}

} // namespace
} // namespace sahifex::platform::qt
