#include "app/notice_panel.h"

#include <algorithm>
#include <filesystem>

#include "app/options_form.h"
#include "store/utf.h"

namespace sahifex::app {

void showNotice(app::Options_Form& form, const std::u16string& text) {
    // The panel is designed for a one-line notice; a fault message needs more lines.
    constexpr int kDesignTextHeight = 330;
    forms::Label& label = form.Label10;
    label.setWordWrap(true);
    label.setCaption(text);
    const int needed = form.services().metrics.wrappedTextHeight(text, label.width(),
                                                                 label.fontSize());
    label.setHeight(std::max(kDesignTextHeight, needed));
    forms::PictureBox& panel = form.Picture1;
    panel.setHeight(label.top() + label.height() + label.left());
    // The status strip goes under the panel rather than behind it.
    forms::PictureBox& status = form.Picture4;
    const int panelBottom = panel.top() + panel.height();
    if (status.top() < panelBottom && panel.top() < status.top() + status.height())
        status.setTop(panelBottom + label.left());
    // The window grows to hold the whole panel, with the panel's own margin below it.
    const int neededHeight = std::max(panelBottom + label.left(),
                                      status.top() + status.height() + label.left());
    if (form.height() < neededHeight) {
        form.setHeight(neededHeight);
        form.fitLowerPanel();
    }
    panel.setVisible(true);
}

std::u16string verseFileFault(const std::string& fileName) {
    const std::string bareName = std::filesystem::path(fileName).filename().string();
    return u"تعذرت قراءة ملف الآيات " + store::fromUtf8(bareName);
}

} // namespace sahifex::app
