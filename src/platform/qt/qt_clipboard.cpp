#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace sahifex::platform::qt {

namespace {
QClipboard* systemClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                        : nullptr;
}
} // namespace

void QtClipboard::clear() {
    if (QClipboard* c = systemClipboard()) c->clear();
}

bool QtClipboard::setText(const std::u16string& text) {
    QClipboard* c = systemClipboard();
    if (!c) return false;
    const QString wanted = QString::fromStdU16String(text);
    c->setText(wanted);
    // Reading back asks the owner, which is this process: it tells whether the
    // clipboard took the text.
    return c->text() == wanted;
}

std::u16string QtClipboard::text() {
    QClipboard* c = systemClipboard();
    return c ? c->text().toStdU16String() : std::u16string();
}

} // namespace sahifex::platform::qt
