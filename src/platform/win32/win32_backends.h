#pragma once
// The backends of the Windows program: every service on the Win32 API.

#include "platform/program_services.h"

namespace sahifex::platform::win32 {

class WindowRegistry;

// Every service of the program, with the verse files and the settings beside the
// executable. The view registers its windows in `windows`, where the topmost service
// finds them.
ProgramServices createWin32Services(WindowRegistry& windows);

} // namespace sahifex::platform::win32
