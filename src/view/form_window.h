#pragma once
// The window that draws one form. It walks the form's controls and makes one widget for
// each, nested in their containers in the order they were added (later ones on top), and
// keeps the window itself in step with the form: the form's Left, Top, Width and Height
// are the outer rectangle, frame included; the user's moves and resizes flow back into
// them.

#include <QWidget>
#include <functional>

#include "view/control_view.h"
#include "view/window_geometry_sync.h"
#include "view_common/control_views.h"
#include "view_common/form_binding.h"

namespace sahifex::platform::qt { class WindowRegistry; }

namespace sahifex::view {

enum class WindowStyle {
    Framed,      // an ordinary window in the window manager's frame
    Frameless,   // a window that draws its own thin border; its rectangle is its client area
    FloatingBar, // frameless, above the others, never takes the focus
};

class FormWindow : public QWidget, public view_common::FormBinding {
public:
    FormWindow(forms::Form& form, WindowStyle style, platform::qt::WindowRegistry& windows);
    ~FormWindow() override;

    // The widget that draws a control of the form; nullptr for one that draws nothing.
    QWidget* widgetOf(const forms::Control& control) const;

    // Runs right before the window is shown (to note which window had the focus).
    std::function<void()> beforeShow;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    void applyForm(forms::Change change) override;
    void focusControl(forms::Control& control) override;
    void raiseAndActivate() override;

private:
    void applyVisible();
    void showNow();
    void keepActivation();

    forms::Form& form_;
    WindowStyle style_;
    platform::qt::WindowRegistry& windows_;
    view_common::ControlViews<ControlView, QWidget*> views_;
    QWidget* border_ = nullptr; // the thin border of a frameless window, above everything
    WindowGeometrySync geometry_{*this, form_};
    bool everShown_ = false;
    bool firstShowPending_ = false;
    bool activateWhenShown_ = false;
};

} // namespace sahifex::view
