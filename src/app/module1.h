#pragma once
// The operation that both windows share: keeping a window above all others.

#include "forms/form.h"
#include "platform/topmost.h"

namespace sahifex::app::Module1 {

inline void MakeTopmost(platform::Topmost& topmost, forms::Form& window) {
    topmost.makeTopmost(window);
}

} // namespace sahifex::app::Module1
