#include "platform/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/twips.h"

namespace sahifex::platform::qt {

namespace {
QSize primarySize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}
} // namespace

int QtScreen::widthTwips() const { return toTwips(primarySize().width()); }
int QtScreen::heightTwips() const { return toTwips(primarySize().height()); }

} // namespace sahifex::platform::qt
