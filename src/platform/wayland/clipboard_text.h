#pragma once
// What the Wayland clipboards share about the text they move: the types they offer and
// ask for, and how bytes read from another program become the text the program sees.

#include <string>

#include "platform/clipboard.h"

namespace sahifex::platform::wayland {

// A text is read only up to this many bytes: past that it is no word to search for. A
// read that reaches the limit was cut: longer than any text read, in UTF-8.
inline constexpr size_t kReadLimitBytes = 8 * 1024;
static_assert(kReadLimitBytes > 3 * kLongestClipboardText);
// A read that gets no end within this time is given up.
inline constexpr int kReadGiveUpMs = 1000;
// How long an editor may take to take the text it asked for.
inline constexpr int kWriteGiveUpMs = 2000;

// The text types, in the order a read asks for them; each is UTF-8 in practice.
inline constexpr const char* kTextTypes[] = {"text/plain;charset=utf-8", "UTF8_STRING",
                                             "text/plain;charset=UTF-8", "text/plain", "TEXT",
                                             "STRING"};
bool isTextType(const std::string& type);

// The text of the bytes read (at most kReadLimitBytes): tooLongClipboardText() when they
// reached the limit or make too long a text; a character cut at the limit is dropped.
std::u16string receivedText(const std::string& utf8);

} // namespace sahifex::platform::wayland
