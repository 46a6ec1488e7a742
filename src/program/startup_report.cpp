#include "program/startup_report.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#ifdef __linux__
#include <unistd.h>
#endif

namespace sahifex::program {

#ifdef __linux__
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return -1;
    // The fields after the command name, which ends with the last ')': state is the
    // 3rd field of the line, the start time (clock ticks after boot) the 22nd.
    const auto close = line.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    for (int i = 3; i < 22 && fields >> field; ++i) {}
    unsigned long long startTicks = 0;
    if (!(fields >> startTicks)) return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}
#else
double msSinceProcessStart() { return -1; }
long residentKilobytes() { return -1; }
#endif

StartupReport::StartupReport(std::vector<QWidget*> windows, QElapsedTimer sinceMain)
    : sinceMain_(sinceMain) {
    for (QWidget* window : windows) {
        waiting_.insert(window);
        window->installEventFilter(this);
    }
}

bool StartupReport::eventFilter(QObject* target, QEvent* event) {
    if (event->type() == QEvent::Paint && waiting_.erase(target) == 1) {
        target->removeEventFilter(this);
        // Measured once the paint that is under way has been delivered.
        if (waiting_.empty()) QTimer::singleShot(0, this, [this] { report(); });
    }
    return false;
}

void StartupReport::report() {
    std::fprintf(stderr,
                 "sahifex: start-up: both windows drawn %.0f ms after the process started "
                 "(%lld ms after main began), resident %.1f MB\n",
                 msSinceProcessStart(), static_cast<long long>(sinceMain_.elapsed()),
                 residentKilobytes() / 1024.0);
}

} // namespace sahifex::program
