// The Wayland services' tests, in a session that scripts/wayland-session made: the
// program's side runs on Qt's xcb platform (XWayland), as the program does.

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
