#include "view_common/form_binding.h"

#include "platform/handler_guard.h"

namespace sahifex::view_common {

FormBinding::FormBinding(forms::Form& form, bool floatingBar)
    : form_(form), floatingBar_(floatingBar) {}

FormBinding::~FormBinding() { unbind(); }

void FormBinding::bind() {
    subscription_ =
        form_.observe([this](forms::Control&, forms::Change change) { applyForm(change); });
    form_.onFocusRequest = [this](forms::Control& control) { focusControl(control); };
    form_.onActivateRequest = [this] {
        if (!floatingBar_) raiseAndActivate();
    };
}

void FormBinding::unbind() {
    subscription_.reset();
    form_.onFocusRequest = nullptr;
    form_.onActivateRequest = nullptr;
}

void FormBinding::userClosed() {
    if (!floatingBar_) platform::runHandler([&] { form_.userClose(); });
}

} // namespace sahifex::view_common
