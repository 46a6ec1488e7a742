#pragma once
// Values that several handlers of the main window share: the keyboard layouts the
// program switches between, the watcher's intervals and the window's heights.

namespace sahifex::app {

// Keyboard layout ids, as SetKbLayout takes them.
inline constexpr const char* kEnglishLayout = "00000409";
inline constexpr const char* kArabicLayout = "00000401";

// Copy tracking's intervals in ms: the usual one, and the faster one that a fruitless
// search and the tracking switch start.
inline constexpr int kTrackingInterval = 700;
inline constexpr int kFastTrackingInterval = 500;

// The main window's heights: compact (the verse strip alone) and with the result list.
inline constexpr int kCompactHeight = 1130;
inline constexpr int kListedHeight = 2050;
// The rule between the wide layout's columns rests here; the narrow layout slides it away.
inline constexpr int kColumnRuleLeftWide = 4560;
// The status strip's top in the compact window.
inline constexpr int kCompactStatusTop = 720;

} // namespace sahifex::app
