// The option "إعادة التشغيل": Sahifex starts again with the desktop session. It takes
// effect at once; the settings restore sets it again at every start, so an option that
// was ticked but never saved is undone at the next start.

#include "app/options_form.h"
#include "forms/scoped_flag.h"

namespace sahifex::app {

void Options_Form::Check3_Click() {
    if (autostartReverting_) return;
    const bool wanted = Check3.value() == 1;
    if (services_.autostart.setEnabled(wanted)) return;
    // The box must not say what is not so: it goes back, and the user is told.
    {
        forms::ScopedFlag reverting(autostartReverting_);
        Check3.setValue(wanted ? 0 : 1);
    }
    services_.messages.showOk(u"تعذّر ضبط تشغيل البرنامج مع بدء جلسة سطح المكتب",
                              u"إعادة التشغيل");
}

} // namespace sahifex::app
