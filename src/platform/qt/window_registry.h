#pragma once
// Which Qt window draws which form: the view registers its windows here, and the
// backends that act on a form's window (topmost) look them up.

#include <map>

class QWidget;

namespace sahifex::forms { class Form; }

namespace sahifex::platform::qt {

class WindowRegistry {
public:
    void add(const forms::Form& form, QWidget& window);
    void remove(const forms::Form& form);
    QWidget* find(const forms::Form& form) const;

private:
    std::map<const forms::Form*, QWidget*> windows_;
};

} // namespace sahifex::platform::qt
