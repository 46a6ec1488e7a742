// The bar's behaviours: close, tracking switch, settings, drag and fold.

#include <cmath>

#include "app/main_window_values.h"
#include "app/options_form.h"
#include "bar/top_bar.h"

namespace sahifex::bar {
namespace {

// Title's Left above this means the bar is unfolded.
constexpr int kUnfoldedTitleLeft = 2780;

} // namespace

void Top_Bar::Image2_Click() {
    if (!services_.messages.askOkCancel(u"إغلاق البرنامج يلغي تتبع كلمات المصحف",
                                        u"إغلاق البرنامج"))
        return;
    // Ends the program at once: not even the main window's unload runs.
    services_.loop.exitNow();
}

void Top_Bar::Searching_Click() {
    forms::Timer& timer = main_.Timer2;
    timer.setInterval(timer.interval() > 0 ? 0 : app::kTrackingInterval);
}

// The main window with its options panel under the search strip: the search box is
// one click away.
void Top_Bar::Settings_Click() {
    main_.setVisible(true);
    main_.openOptionsPanel();
}

void Top_Bar::Title_MouseDown(const forms::MouseEvent& e) {
    anchorX = static_cast<int32_t>(std::lround(e.x));
    anchorY = static_cast<int32_t>(std::lround(e.y));
}

// Drags the main window along; the bar follows it by the docking rule, also when
// the main window is minimised or maximised and does not move.
void Top_Bar::Title_MouseMove(const forms::MouseEvent& e) {
    if (e.button != forms::LeftButton) return;
    if (main_.windowState() == forms::Normal)
        main_.setLeft(static_cast<int>(std::lround(main_.left() - (anchorX - e.x))));
    if (main_.windowState() == forms::Normal)
        main_.setTop(static_cast<int>(std::lround(main_.top() - (anchorY - e.y))));
    dockToMain();
}

void Top_Bar::dockToMain() {
    setTop(main_.top() - height() - kDockGap);
    setLeft(main_.left() + kDockIndent);
}

bool Top_Bar::dockedToMain() const {
    return top() == main_.top() - height() - kDockGap && left() == main_.left() + kDockIndent;
}

// Every step of the fold and the unfold yields, so watcher ticks and clicks run in
// between; a double-click during a fold starts a nested one, decided by Title's Left.
void Top_Bar::Title_DblClick() {
    main_.setVisible(false);
    main_.StartIt.setVisible(false);
    program_.BlinkPhase = 0;
    main_.Timer2.setInterval(app::kTrackingInterval);

    if (Title.left() > kUnfoldedTitleLeft) {
        for (int w = 3760; w >= 1400; w -= 3) {
            Title.setLeft(w - 400);
            Searching.setLeft(w - 700);
            setWidth(w);
            services_.loop.yield();
        }
    } else {
        Title.setWidth(2760);
        Title.setLeft(2790);
        Searching.setLeft(5055);
        for (int w = 600; w <= 5385; w += 2) {
            setWidth(w);
            services_.loop.yield();
        }
    }
}

} // namespace sahifex::bar
