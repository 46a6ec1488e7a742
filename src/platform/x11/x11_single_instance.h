#pragma once
// One running copy per user and display, on X11: the running copy owns an X selection
// named after the user. Owning a selection is per display and the server drops it when
// the process ends, however it ends. A later start that finds an owner sends it a
// message asking to show its main window, and ends.

#include <QAbstractNativeEventFilter>
#include <memory>
#include <string>

#include "platform/single_instance.h"

struct _XDisplay; // Xlib's Display, kept out of this header so its macros stay out too

namespace sahifex::platform::x11 {

class X11SingleInstance : public SingleInstance, private QAbstractNativeEventFilter {
public:
    // Works on Qt's own X connection; nullptr, with the reason in error, when the program
    // does not run on an X11 display.
    static std::unique_ptr<X11SingleInstance> create(std::string& error);
    explicit X11SingleInstance(_XDisplay* display);
    ~X11SingleInstance() override;
    X11SingleInstance(const X11SingleInstance&) = delete;
    X11SingleInstance& operator=(const X11SingleInstance&) = delete;

    bool claim() override;

private:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

    _XDisplay* display_;
    unsigned long window_ = 0;    // ours: it owns the selection, and takes the messages
    unsigned long selection_ = 0; // "_SAHIFEX_RUNNING_<uid>"
    unsigned long showMessage_ = 0;
};

} // namespace sahifex::platform::x11
