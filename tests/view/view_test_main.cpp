// The view tests need one QApplication for the whole run.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The offscreen platform needs no display; the test run sets it, a hand run may not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    return RUN_ALL_TESTS();
}
