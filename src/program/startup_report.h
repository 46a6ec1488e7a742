#pragma once
// With SAHIFEX_REPORT_STARTUP=1 the program tells on stderr how long it took from the
// start of the process until both windows were drawn, and its resident memory then.

#include <QElapsedTimer>
#include <QObject>
#include <set>
#include <vector>

class QWidget;

namespace sahifex::program {

// Milliseconds since the process started (10 ms resolution); negative when unknown.
double msSinceProcessStart();
// VmRSS of this process in kB; negative when unknown.
long residentKilobytes();

class StartupReport : public QObject {
public:
    // sinceMain was started when main() began.
    StartupReport(std::vector<QWidget*> windows, QElapsedTimer sinceMain);

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    void report();
    std::set<QObject*> waiting_;
    QElapsedTimer sinceMain_;
};

} // namespace sahifex::program
