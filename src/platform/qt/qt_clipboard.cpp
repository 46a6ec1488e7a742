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
    ++changes_;
}

bool QtClipboard::setText(const std::u16string& text) {
    QClipboard* c = systemClipboard();
    if (!c) return false;
    const QString wanted = QString::fromStdU16String(text);
    c->setText(wanted);
    ++changes_;
    // Reading back asks the owner, which is this process: it tells whether the
    // clipboard took the text.
    return c->text() == wanted;
}

std::u16string QtClipboard::text() {
    QClipboard* c = systemClipboard();
    if (!c) return {};
    // Qt hands over the whole text at once: only a long one is dropped here.
    const QString text = c->text();
    if (static_cast<size_t>(text.size()) > kLongestClipboardText) return tooLongClipboardText();
    return text.toStdU16String();
}

std::uint64_t QtClipboard::changeCount() {
    const std::u16string now = text();
    if (now != counted_) {
        counted_ = now;
        ++changes_;
    }
    return changes_;
}

} // namespace sahifex::platform::qt
