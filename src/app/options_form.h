#pragma once
// The main window: the start-up object and the owner of all state. Its controls hold
// the search results, the chosen verse and the options; each handler is defined in
// the folder of the subsystem that owns it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "app/keep_on_screen.h"
#include "app/program_state.h"
#include "forms/forms.h"
#include "platform/services.h"
#include "store/verse_channels.h"
#include "store/verse_reference.h"

namespace sahifex::bar { class Top_Bar; }

namespace sahifex::app {

class Options_Form : public forms::Form {
public:
    Options_Form(const platform::Services& services, ProgramState& program);
    ~Options_Form() override;
    // The floating bar, which start-up loads; set before Form_Load runs.
    void setTopBar(bar::Top_Bar& bar) { topBar_ = &bar; }
    bar::Top_Bar& topBar() { return *topBar_; }
    bool hasTopBar() const { return topBar_ != nullptr; }

    // ---- controls, in their containers (see options_form_design.cpp)
    forms::PictureBox Picture8{"Picture8"};          // the lower panel
    forms::PictureBox Title{"Title"};                // the strip with the search box
    forms::TextBox Text1{"Text1"};                   // the search box
    forms::CommandButton Command1{"Command1"};       // the search button
    forms::Image Image1{"Image1"};                   // opens the options panel
    forms::Image Image4{"Image4"};                   // the layout switch
    forms::ListBox List1{"List1"};                   // the result list shown
    forms::Label Label2{"Label2"};                   // the verse label
    forms::TextBox Text5{"Text5"};                   // the composed text, over Label2
    forms::PictureBox Picture2{"Picture2"};
    forms::PictureBox Pic_send_Ayah{"Pic_send_Ayah"};
    forms::Image SendIt{"SendIt"};                   // the send image
    forms::Label Label4{"Label4"};                   // surah name
    forms::Label Label5{"Label5"};                   // verse number
    forms::CommandButton Command11{"Command11"};     // nudges the verse label
    forms::CommandButton Command13{"Command13"};     // help
    forms::Label Label23{"Label23"};                 // opens the multi-verse panel
    forms::PictureBox Picture4{"Picture4"};          // the status strip
    forms::Label Label1{"Label1"};                   // number of results
    forms::Label Label9{"Label9"};                   // number of results, shown
    forms::Label Label8{"Label8"};                   // "tracking is on"
    forms::CheckBox Check8{"Check8"};                // the tracking switch
    forms::Label clip{"clip"};
    forms::PictureBox Picture1{"Picture1"};          // the notice panel
    forms::Label Label10{"Label10"};                 // the notice text
    forms::Label Label11{"Label11"};
    forms::PictureBox Pic_search_settings{"Pic_search_settings"}; // the options panel
    forms::CheckBox Check9{"Check9"};
    forms::CheckBox Check1{"Check1"};
    forms::CheckBox Check2{"Check2"};
    forms::CheckBox Check7{"Check7"};
    forms::CheckBox Check5{"Check5"};
    forms::CheckBox Check6{"Check6"};
    forms::CheckBox Check3{"Check3"};
    forms::CheckBox FlexibleSearch{"FlexibleSearch"}; // the word search folds hamza, ى and ة
    forms::CheckBox OrnateBrackets{"OrnateBrackets"}; // verses are sent between ﴿ and ﴾
    forms::CheckBox InstantTracking{"InstantTracking"}; // a copy is taken when the clipboard tells of it
    forms::CheckBox TypedReferences{"TypedReferences"}; // Enter on "البقرة:255" in the search box pastes it
    forms::CheckBox VerseRanges{"VerseRanges"};         // the multi-verse panel takes a verse range
    forms::Frame Frame1{"Frame1"};
    forms::TextBox ftx1{"ftx1"};
    forms::TextBox ftx2{"ftx2"};
    forms::Label Label19{"Label19"};
    forms::Label Label18{"Label18"};
    forms::Image Image7{"Image7"};
    forms::Image Image3{"Image3"};
    forms::CommandButton save{"save"};
    forms::CommandButton load{"load"};
    forms::CommandButton Command7{"Command7"};
    forms::ListBox SaveList{"SaveList"};
    forms::PictureBox Picture6{"Picture6"};          // the multi-verse panel
    forms::CommandButton SerachByNumber{"SerachByNumber"};
    forms::ComboBox Combo1{"Combo1"};                // the surah picker
    forms::TextBox RangeBox{"RangeBox"};             // "255" or "255-257" of the surah picked
    forms::ListBox List3{"List3"};
    forms::ListBox List4{"List4"};
    forms::ListBox List5{"List5"};
    forms::Label Label20{"Label20"};
    forms::ListBox List2{"List2"};                   // hidden: the vocalized lines
    forms::TextBox Text2{"Text2"};                   // hidden: " و" + word + " "
    forms::TextBox Text6{"Text6"};                   // hidden: " ف" + word + " "
    forms::CheckBox Check4{"Check4"};                // the layout shown, outside the window
    forms::Image Image5{"Image5"};                   // picture store: wide layout
    forms::Image Image6{"Image6"};                   // picture store: narrow layout
    forms::Shape Shape3{"Shape3"};
    forms::PictureBox StartIt{"StartIt"};            // while visible, nothing searches
    // Elements of the two layouts (app/layouts.cpp).
    forms::PictureBox ColumnRule{"ColumnRule"};      // the rule between the wide layout's columns
    forms::Label LayoutHint{"LayoutHint"};           // what to do, shown after each switch
    forms::CommandButton SearchAgain{"SearchAgain"}; // closes the multi-verse panel
    forms::Timer Timer2{"Timer2"};                   // the clipboard watcher

    // ---- form-level values
    int16_t CurrentSurahNumber = 0;
    std::u16string LongVerseText;
    std::u16string ClipSurahName;
    double ClipVerseNumber = 0;
    // The text that the direct send composes.
    std::u16string ComposedText;

    // ---- start-up and shutdown (app/startup.cpp)
    void Form_Load();
    void Form_Unload(int16_t& cancel);

    // ---- keyboard layout and topmost (delivery/keyboard_layout.cpp, app/module1.h)
    bool SetKbLayout(const std::string& id);

    // ---- search (search/)
    void Text1_KeyPress(int16_t& keyAscii);
    void Command1_Click();
    void List1_Click();
    void SerachByNumber_Click();
    void RangeBox_KeyPress(int16_t& keyAscii);
    void VerseRanges_Click();

    // ---- delivery (delivery/sending.cpp)
    void SendIt_Click();
    void List1_KeyPress(int16_t& keyAscii);
    void DirectSend();
    // Pastes verses of one surah as one quotation, or tells why it pastes nothing
    // (delivery/verse_range.cpp).
    void sendVerseRange(int surah, store::RangeReading reading);
    // What became of a paste (delivery/paste_step.cpp).
    enum class PasteResult {
        Pasted,         // the editor fetched the text
        NotFetched,     // it did not: the text is on the clipboard and the notice says so
        NotOnClipboard, // the clipboard could not be written: nothing was pasted, the notice says so
    };
    // The one paste step of every send: the text on the clipboard as the program's own, the
    // English layout, the paste keystroke with its wait, the Arabic layout. beforeKeys, when
    // given, runs right before the keys. Whatever goes wrong, the main window comes back with
    // the notice that says so.
    PasteResult PasteText(const std::u16string& text,
                          const std::function<void()>& beforeKeys = nullptr);

    // ---- copy tracking (tracking/)
    void Timer2_Timer();
    // Another program put new text on the clipboard (told by the window system).
    void clipboardChanged();
    void Check7_Click();
    void Check3_Click(); // settings/autostart_option.cpp
    void Check8_Click();
    void Label8_Click();
    void StartIt_Click();
    void Text1_GotFocus();
    void Text1_LostFocus();
    // Follows Timer2: tracking starts whenever it gets an interval after none, whoever
    // gave it, and stops when it loses it (tracking/tracking_switches.cpp).
    void followTrackingSwitch();
    // The search box, which keeps the focus while the window is hidden, starts empty when
    // the window comes back for typing (tracking/tracking_switches.cpp).
    void emptySearchBoxWhenShown();

    // ---- settings (settings/)
    void save_Click();
    void load_Click();
    // Where the settings file lives, decided once when the window is made.
    const std::filesystem::path& settingsFile() const { return settingsFile_; }

    // ---- layouts and panels (app/layouts.cpp)
    void Image4_Click();
    void Image1_Click();
    void Command7_Click();
    void Label23_Click();
    void Label10_Click();
    void Command11_Click();
    void Command13_Click();
    void Label2_MouseUp(const forms::MouseEvent& e);
    void SearchAgain_Click();
    // Shows the options panel under the search strip, with no slide.
    void openOptionsPanel();

    // The lower panel reaches down to 50 twips above the window's bottom edge.
    void fitLowerPanel();

    const platform::Services& services() const { return services_; }
    ProgramState& program() { return program_; }
    store::VerseChannels& verseChannels() { return channels_; }
    // While the search by number runs (it yields, waits for the paste and shows its
    // message), copy tracking's ticks only blink.
    bool numberSearchRunning() const { return numberSearchRunning_; }

private:
    void design();       // the design-time properties (options_form_design.cpp)
    void wireHandlers(); // connects the controls' events to the handlers
    void applySavedOptions(); // items 2 to 10 of SaveList, each already checked
    void applyAddedOptions(); // the items after the eleven, each at its default when absent
    void fallBackToDefaultSizes();
    // The steps of Command1_Click, in their order (search/word_search.cpp).
    void hideEarlierOutcome();
    void takeSearchTerms(bool wholeWord);
    void showSearchSettings();
    bool yieldBeforeSearching();
    bool listMatchingVerses(bool wholeWord);
    void answerSearch();

    platform::Services services_;
    ProgramState& program_;
    bar::Top_Bar* topBar_ = nullptr;
    bool layoutSwitching_ = false; // a layout switch is between its first and last step
    store::VerseChannels channels_;
    bool numberSearchRunning_ = false;
    forms::Subscription trackingSwitch_;
    forms::Subscription windowShown_;
    bool shown_ = false;
    bool trackingOn_ = false;
    // The clipboard's change count when tracking last started: a text put there before
    // is no request (tracking/clipboard_watcher.cpp).
    std::uint64_t clipboardChangesAtStart_ = 0;
    bool instantTick_ = false; // the watcher's tick runs for a clipboard change, not the timer
    bool autostartReverting_ = false;
    std::filesystem::path settingsFile_;
    KeepOnScreen keepOnScreen_{*this};
};

} // namespace sahifex::app
