#include "platform/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/twips.h"

namespace sahifex::platform::qt {

namespace {
QSize primarySize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}
} // namespace

int QtScreen::widthTwips() const { return toTwips(primarySize().width()); }
int QtScreen::heightTwips() const { return toTwips(primarySize().height()); }

ScreenArea QtScreen::availableArea(int xTwips, int yTwips) const {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(toPixels(xTwips), toPixels(yTwips)));
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(), primarySize());
    return {toTwips(area.x()), toTwips(area.y()), toTwips(area.width()), toTwips(area.height())};
}

} // namespace sahifex::platform::qt
