#include "app/notice_panel.h"

#include <algorithm>
#include <filesystem>

#include "app/options_form.h"
#include "store/utf.h"

namespace sahifex::app {

void showNotice(app::Options_Form& form, const std::u16string& text) {
    // The panel is designed for a one-line notice in the middle of the list; a fault
    // message spans the list's width instead, so that it wraps into few lines.
    constexpr int kDesignLeft = 1560;
    constexpr int kDesignWidth = 2400;
    constexpr int kDesignTextHeight = 330;
    forms::Label& label = form.Label10;
    forms::PictureBox& panel = form.Picture1;
    const forms::TextMetrics& metrics = form.services().metrics;
    const int margin = label.left();
    constexpr int kUnbounded = 1'000'000;
    const bool oneLine = metrics.wrappedTextHeight(text, kDesignWidth - 2 * margin,
                                                   label.fontSize()) ==
                         metrics.wrappedTextHeight(text, kUnbounded, label.fontSize());
    const int width = oneLine ? kDesignWidth : std::max(kDesignWidth, form.List1.width());
    panel.setLeft(oneLine ? kDesignLeft : form.List1.left());
    panel.setWidth(width);
    label.setWidth(width - 2 * margin);
    label.setWordWrap(true);
    label.setCaption(text);
    const int needed = metrics.wrappedTextHeight(text, label.width(), label.fontSize());
    label.setHeight(std::max(kDesignTextHeight, needed));
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
