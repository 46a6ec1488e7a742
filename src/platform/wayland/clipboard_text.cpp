#include "platform/wayland/clipboard_text.h"

#include <QString>

#include <algorithm>

namespace sahifex::platform::wayland {

namespace {

// The bytes up to the last whole UTF-8 character: a read cut at the limit may end inside one.
std::string wholeCharacters(std::string bytes) {
    size_t start = bytes.size();
    while (start > 0 && (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80) --start;
    if (start == 0) return bytes;
    const auto lead = static_cast<unsigned char>(bytes[start - 1]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (bytes.size() - (start - 1) < length) bytes.resize(start - 1);
    return bytes;
}

} // namespace

bool isTextType(const std::string& type) {
    return std::find(std::begin(kTextTypes), std::end(kTextTypes), type) != std::end(kTextTypes);
}

std::u16string receivedText(const std::string& utf8) {
    const std::string whole = wholeCharacters(utf8);
    const std::u16string text =
        QString::fromUtf8(whole.data(), static_cast<qsizetype>(whole.size())).toStdU16String();
    return utf8.size() >= kReadLimitBytes || isTooLongClipboardText(text) ? tooLongClipboardText()
                                                                          : text;
}

} // namespace sahifex::platform::wayland
