#pragma once
// The one exception type of the forms model: what the original platform calls a
// run-time error (an index out of range, focus on a hidden control, a file that
// cannot be read). Handlers that have an error handler catch it; nothing else does.

#include <stdexcept>
#include <string>

namespace sahifex::forms {

class RuntimeFailure : public std::runtime_error {
public:
    explicit RuntimeFailure(const std::string& what) : std::runtime_error(what) {}
};

} // namespace sahifex::forms
