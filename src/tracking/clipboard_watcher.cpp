// The clipboard watcher: each tick of Timer2 blinks the bar and starts a search when
// new text is on the clipboard.

#include <string>
#include <string_view>

#include "app/options_form.h"
#include "bar/top_bar.h"
#include "store/lenient_text.h"
#include "store/win1256.h"
#include "tracking/numeric_text.h"
#include "app/own_clipboard_text.h"
#include "platform/clipboard.h"

namespace sahifex::app {
namespace {

// The scan looks at most at this many characters from the end of the search box.
constexpr int kTailLength = 6;

// A copied reference, surah name ":" verse number: keeps the name and the number.
// True when there is a second piece and it is a number, so that the search by
// number can run; otherwise the verse number keeps its last value.
bool takeReference(Options_Form& form, std::u16string_view text) {
    const size_t colon = text.find(u':');
    form.ClipSurahName = std::u16string(text.substr(0, colon));
    if (colon == std::u16string_view::npos) return false;
    const std::u16string_view rest = text.substr(colon + 1);
    const auto number = tracking::numericValue(rest.substr(0, rest.find(u':')));
    if (!number) return false;
    form.ClipVerseNumber = *number;
    return true;
}

// Looks at the last characters of the search box by their Windows-1256 codes,
// skipping trailing spaces, and presses the search button when they end in an
// Arabic letter or are six spaces. `scanned` characters are already done.
void scanTail(Options_Form& form, int scanned) {
    for (int i = scanned + 1;; ++i) {
        const std::u16string& text = form.Text1.text();
        if (text.empty()) return;
        if (i == kTailLength + 1) {
            form.Command1.setValue(true);
            return;
        }
        // A text of fewer spaces than that holds nothing to search for.
        if (static_cast<size_t>(i) > text.size()) return;
        const int code = store::win1256Code(text[text.size() - i]);
        if (code >= 240 && code <= 255) return; // a diacritic: the word is not complete
        if (code >= 193 && code <= 239) {       // an Arabic letter
            form.Command1.setValue(true);
            return;
        }
        if (code != 32) return;
    }
}

void blink(bar::Top_Bar& bar, ProgramState& program) {
    if (program.BlinkPhase == 0) {
        bar.Searching.setPicture(bar.Onn.picture());
        program.BlinkPhase = -1;
    } else {
        bar.Searching.setPicture(bar.Off.picture());
        program.BlinkPhase = 0;
    }
}

} // namespace

void Options_Form::Timer2_Timer() {
    bar::Top_Bar& bar = topBar();
    bar.ensureLoaded();
    // The blinking keeps the timer's pace; a tick run for a clipboard change does not blink.
    if (!instantTick_) blink(bar, program_);
    // A search by number started by a click by hand is running and yielding: the copy
    // waits for the next tick, so that nothing changes the search box or the reference
    // under it.
    if (numberSearchRunning()) return;

    // Nothing copied since tracking started: the text there then, which may arrive only
    // now from a slow owner, is no request.
    if (services_.clipboard.changeCount() == clipboardChangesAtStart_) return;

    const std::u16string first = services_.clipboard.text();
    const std::u16string clipText = services_.clipboard.text();
    const bool own = app::isOwnClipboardText(program_, clipText);
    if (program_.LastClipText == clipText && !first.empty()) return;
    // A sent verse still on the clipboard is no copy by the user: it counts as seen,
    // so that a later copy of the word it was found by is new again.
    if (own) {
        program_.LastClipText = clipText;
        return;
    }
    if (StartIt.visible()) return;
    // A text longer than any word or reference (the clipboard reads no further) is no
    // request, and is kept out of the search box: seen, and left.
    if (platform::isTooLongClipboardText(clipText)) {
        program_.LastClipText = clipText;
        return;
    }

    // An empty clipboard (after a send, or the options' command word) leaves the search
    // box alone: it holds the word the user is typing, or the term Enter repeats.
    if (clipText.empty()) {
        program_.LastClipText.clear();
        return;
    }
    int scanned = 0;
    try {
        Text1.setText(clipText);
        program_.LastClipText = Text1.text();
        // The flexible search takes a word or a reference as people copy them.
        if (FlexibleSearch.value() == 1) Text1.setText(store::lenientCopy(Text1.text()));
        if (takeReference(*this, Text1.text())) {
            SerachByNumber.setValue(true); // on success it empties Text1
            scanned = 1;
        }
    } catch (const forms::RuntimeFailure&) {
        // The scan below still runs on what the search box holds.
    }
    try {
        scanTail(*this, scanned);
    } catch (const forms::RuntimeFailure&) {
        // A word search that failed is not started again; the next tick goes on.
    }
}

// Under instant tracking a copy is taken as soon as the clipboard tells of it, by the
// watcher's own tick: the timer drops a tick that comes while its previous one still runs,
// and the timer's ticks go on as before. Told only while tracking runs.
void Options_Form::clipboardChanged() {
    if (InstantTracking.value() != 1 || !Timer2.running()) return;
    instantTick_ = true;
    Timer2.fire();
    instantTick_ = false;
}

} // namespace sahifex::app
