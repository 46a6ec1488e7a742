#include "platform/qt/qt_message_box.h"

#include <QMessageBox>

#include "platform/qt/program_font.h"

namespace sahifex::platform::qt {

namespace {
int run(const std::u16string& text, const std::u16string& title, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdU16String(title),
                    QString::fromStdU16String(text), buttons);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setFont(programFont(12));
    box.setWindowFlag(Qt::WindowStaysOnTopHint); // above the topmost windows it belongs to
    if (buttons & QMessageBox::Cancel) box.setEscapeButton(QMessageBox::Cancel);
    return box.exec();
}
} // namespace

void QtMessageBox::showOk(const std::u16string& text, const std::u16string& title) {
    run(text, title, QMessageBox::Ok);
}

bool QtMessageBox::askOkCancel(const std::u16string& text, const std::u16string& title) {
    return run(text, title, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace sahifex::platform::qt
