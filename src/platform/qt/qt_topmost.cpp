#include "platform/qt/qt_topmost.h"

#include <QWidget>

namespace sahifex::platform::qt {

void QtTopmost::makeTopmost(forms::Form& form) {
    QWidget* window = windows_.find(form);
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Changing a window's flags may hide it; it keeps its state.
    if (shown && !window->isVisible()) window->show();
}

} // namespace sahifex::platform::qt
