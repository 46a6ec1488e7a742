// The settings file "Sahifex.ini": saved on request, restored at start-up.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_values.h"
#include "app/options_form.h"
#include "os/replace_file.h"
#include "settings/settings_format.h"

namespace sahifex::app {
namespace {

// A settings line is a few dozen bytes; anything far larger is not a settings file,
// and reading it whole would hold up the window.
constexpr std::uintmax_t kLargestSettingsFile = 64 * 1024;

// The sizes' values as designed, which a load falls back to.
constexpr std::u16string_view kDefaultFtx1 = u"16";
constexpr std::u16string_view kDefaultFtx2 = u"12";

// The file's bytes; nothing when it is missing, not a regular file, unreadable or too large.
std::optional<std::string> readSettingsFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kLargestSettingsFile) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(kLargestSettingsFile + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || static_cast<std::uintmax_t>(in.gcount()) > kLargestSettingsFile)
        return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

} // namespace

void Options_Form::save_Click() {
    SaveList.Clear();
    SaveList.AddItem(settings::numberItem(left()));
    SaveList.AddItem(settings::numberItem(top()));
    SaveList.AddItem(settings::sizeItem(ftx1.text(), kDefaultFtx1));
    SaveList.AddItem(settings::sizeItem(ftx2.text(), kDefaultFtx2));
    for (const forms::CheckBox* box : {&Check6, &Check3, &Check2, &Check4, &Check5, &Check7, &Check1,
                                       &FlexibleSearch, &OrnateBrackets, &InstantTracking,
                                       &TypedReferences, &VerseRanges})
        SaveList.AddItem(settings::numberItem(box->value()));

    std::vector<std::u16string> items;
    for (int i = 0; i < SaveList.ListCount(); ++i) items.push_back(SaveList.List(i));
    if (!os::replaceFile(settingsFile_, settings::formatSettings(items)))
        services_.messages.showOk(u"تعذّر حفظ الخيارات في الملف:\n" + settingsFile_.u16string() +
                                      u"\nلم يتغيّر شيء في الملف السابق. تأكّد من أن المجلد يقبل الكتابة وأن في القرص مساحة كافية.",
                                  u"حفظ الخيارات");
}

// The check boxes' clicks run as they are set: Check7 sets the watcher's interval.
void Options_Form::applySavedOptions() {
    ftx1.setText(SaveList.List(2));
    ftx2.setText(SaveList.List(3));
    int item = 4;
    for (forms::CheckBox* box : {&Check6, &Check3, &Check2, &Check4, &Check5, &Check7, &Check1})
        box->setValue(settings::checkBoxValue(SaveList.List(item++)).value_or(0));
}

// The options added after the eleven: a file written before them leaves each at its
// default (not ticked).
void Options_Form::applyAddedOptions() {
    int item = settings::kSettingsItemCount;
    for (forms::CheckBox* box :
         {&FlexibleSearch, &OrnateBrackets, &InstantTracking, &TypedReferences, &VerseRanges}) {
        const std::optional<int> value =
            item < SaveList.ListCount() ? settings::checkBoxValue(SaveList.List(item)) : std::nullopt;
        box->setValue(value.value_or(0));
        ++item;
    }
}

void Options_Form::fallBackToDefaultSizes() {
    ftx1.setText(std::u16string(kDefaultFtx1));
    ftx2.setText(std::u16string(kDefaultFtx2));
}

void Options_Form::load_Click() {
    SaveList.Clear();
    const std::optional<std::string> bytes = readSettingsFile(settingsFile_);
    // Every item is checked before any is applied: a damaged file applies nothing, so
    // that no option takes a value the user never chose.
    std::optional<std::vector<std::u16string>> items;
    if (bytes) items = settings::parseCheckedSettings(*bytes);
    if (!items) {
        fallBackToDefaultSizes();
        std::error_code error;
        // A first start has no file yet; a file that is there but cannot be used is told.
        if (std::filesystem::exists(settingsFile_, error))
            services_.messages.showOk(u"تعذّرت قراءة الخيارات المحفوظة في الملف:\n" + settingsFile_.u16string() +
                                          u"\nالملف تالف أو لا يُقرأ، فلم يؤخذ منه شيء. اضبط الخيارات ثم احفظها ليُكتب الملف من جديد.",
                                      u"استرجاع الخيارات");
        return;
    }
    for (std::u16string& item : *items) SaveList.AddItem(std::move(item));
    applySavedOptions();
    applyAddedOptions();
    Check8.setValue(1);
    if (Check7.value() == 1) Timer2.setInterval(kTrackingInterval);
    if (Check4.value() == 1) {
        Image4.setPicture(Image6.picture());
        const platform::Screen& screen = services_.screen;
        setTop(static_cast<int>(std::lround((screen.heightTwips() - height()) / 2.0)));
        setLeft(static_cast<int>(std::lround((screen.widthTwips() - width()) / 2.0)));
    } else {
        ColumnRule.setLeft(kColumnRuleLeftWide);
        Picture8.setTop(415);
        Image4.setPicture(Image5.picture());
    }
    Image4_Click();
}

} // namespace sahifex::app
