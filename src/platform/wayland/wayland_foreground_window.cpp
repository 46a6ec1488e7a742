#include "platform/wayland/wayland_foreground_window.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace sahifex::platform::wayland {

namespace {

constexpr int kLookEveryMs = 10;

} // namespace

WaylandForegroundWindow::WaylandForegroundWindow(std::function<bool()> programHasFocus)
    : programHasFocus_(std::move(programHasFocus)) {}

void WaylandForegroundWindow::handBack() {
    if (!programHasFocus_()) return;
    QEventLoop loop;
    QTimer look;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (!programHasFocus_() || waited.elapsed() >= kWaitMs) loop.quit();
    });
    look.start(kLookEveryMs);
    loop.exec();
}

} // namespace sahifex::platform::wayland
