#pragma once
// A window of the program. Left, Top, Width and Height are its outer rectangle, frame
// included; its controls sit in the client area. A form starts hidden.

#include "forms/control.h"
#include "forms/text_metrics.h"

namespace sahifex::forms {

enum WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class Form : public Container {
public:
    explicit Form(std::string name);

    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string v);

    int windowState() const { return windowState_; }
    void setWindowState(int s);
    bool sizable() const { return sizable_; }
    void setSizable(bool v) { sizable_ = v; }

    void Show();
    void Hide() { setVisible(false); }
    // Asks the view to repaint the window now.
    void Refresh() { notify(Change::Repaint); }

    // The keyboard focus. focus() runs LostFocus of the control that had it and GotFocus
    // of the new one; a control that is hidden or disabled, or lies on a hidden form or
    // container, cannot take it (RuntimeFailure).
    void focus(Control& c);
    Control* focused() const { return focused_; }
    // The view reports a focus change that the user made (nullptr: the window lost it).
    void focusChangedByUser(Control* c);

    // The form asks for the focus to be moved: the view listens for it.
    std::function<void(Control&)> onFocusRequest;
    // The view asks for the window to be activated when it is shown.
    std::function<void()> onActivateRequest;

    // Closing the window by the user: runs Unload with a cancel flag; unless the
    // handler sets it, the window goes away (hides). Returns whether it did.
    bool userClose();
    std::function<void(int16_t& cancel)> Unload;

    const TextMetrics* metrics() const { return metrics_; }
    void setMetrics(const TextMetrics* m) { metrics_ = m; }

    // Every control of the form, in the order they were added, nested ones included.
    std::vector<Control*> allControls() const;

private:
    std::u16string caption_;
    int windowState_ = Normal;
    bool sizable_ = true;
    Control* focused_ = nullptr;
    const TextMetrics* metrics_ = nullptr;
};

} // namespace sahifex::forms
