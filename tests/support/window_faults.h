#pragma once
// What a user sees wrong in a window as its form lays it out: a control cut by the
// window's edge or by the edge of its container, a control half under a panel drawn over
// it, two controls holding text or a picture over one another, a window reaching out of
// the screen. A control that lies wholly outside the window, or wholly under a panel,
// is not seen and so cannot be wrong. Controls are drawn in the order they were added
// to their containers, later ones on top; picture boxes and frames are opaque.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "forms/forms.h"
#include "forms/text_metrics.h"
#include "platform/screen.h"

namespace sahifex::testing {

struct PlacedControl {
    const forms::Control* control;
    int left, top, right, bottom; // in the window
    int clipLeft, clipTop, clipRight, clipBottom; // what its containers and the window show
    bool shown;                   // it and all its containers are visible
    size_t order;                 // drawing order
    size_t subtreeEnd;            // order of the first control after its own children
};

inline bool intersects(const PlacedControl& a, int l, int t, int r, int b) {
    return a.left < r && l < a.right && a.top < b && t < a.bottom;
}

// An empty list or label shows no text: a notice may lie over it.
inline bool holdsContent(const forms::Control& c) {
    switch (c.kind()) {
    case forms::Kind::Label:
        return !static_cast<const forms::Label&>(c).caption().empty();
    case forms::Kind::ListBox:
        return static_cast<const forms::ListBox&>(c).ListCount() > 0;
    case forms::Kind::TextBox:
    case forms::Kind::ComboBox:
    case forms::Kind::CheckBox:
    case forms::Kind::CommandButton:
        return true;
    case forms::Kind::Image:
        return !static_cast<const forms::Image&>(c).picture().empty();
    default:
        return false;
    }
}

inline void placeControls(const forms::Container& container, int left, int top, bool shown,
                          int clipL, int clipT, int clipR, int clipB,
                          std::vector<PlacedControl>& out) {
    for (const forms::Control* c : container.children()) {
        PlacedControl p{c, left + c->left(), top + c->top(), left + c->left() + c->width(),
                        top + c->top() + c->height(), clipL, clipT, clipR, clipB,
                        shown && c->visible(), out.size(), 0};
        const size_t index = out.size();
        out.push_back(p);
        if (const forms::Container* inner = c->asContainer())
            placeControls(*inner, p.left, p.top, p.shown, std::max(clipL, p.left),
                          std::max(clipT, p.top), std::min(clipR, p.right),
                          std::min(clipB, p.bottom), out);
        out[index].subtreeEnd = out.size();
    }
}

// The one-line caption of a check box, a button or a label, and the width it has beside
// the box or within the button's frame; an empty caption for other controls.
inline std::pair<std::u16string, int> oneLineCaption(const forms::Control& c) {
    // Twips the text cannot use: the box and its gap; a button's edges on both sides.
    constexpr int kCheckBoxMark = 300, kButtonFrame = 120;
    switch (c.kind()) {
    case forms::Kind::CheckBox:
        return {static_cast<const forms::CheckBox&>(c).caption(), c.width() - kCheckBoxMark};
    case forms::Kind::CommandButton:
        return {static_cast<const forms::CommandButton&>(c).caption(), c.width() - kButtonFrame};
    case forms::Kind::Label: {
        const auto& label = static_cast<const forms::Label&>(c);
        if (label.wordWrap()) return {};
        return {label.caption(), c.width()};
    }
    default: return {};
    }
}

// How much wider a caption is than its room on one line, in twips; none when it fits.
inline int captionOverflow(const forms::Control& c, const forms::TextMetrics& metrics) {
    const auto [caption, room] = oneLineCaption(c);
    if (caption.empty()) return 0;
    return std::max(0, metrics.lineWidth(caption, c.fontSize()) - room);
}

// The faults, one readable line each; none when the window is sound. The window is
// checked against the screen's available area when one is given, and captions against
// their room when metrics are given.
inline std::vector<std::string> windowFaults(const forms::Form& form,
                                             const platform::ScreenArea* screen = nullptr,
                                             const forms::TextMetrics* metrics = nullptr) {
    std::vector<std::string> faults;
    if (!form.visible()) return faults;
    if (screen && (form.left() < screen->left || form.top() < screen->top ||
                   form.left() + form.width() > screen->right() ||
                   form.top() + form.height() > screen->bottom()))
        faults.push_back(form.name() + " reaches out of the screen");

    std::vector<PlacedControl> all;
    placeControls(form, 0, 0, true, 0, 0, form.width(), form.height(), all);

    auto opaque = [](const PlacedControl& p) {
        return p.shown && (p.control->kind() == forms::Kind::PictureBox ||
                           p.control->kind() == forms::Kind::Frame);
    };
    // Panels drawn over the control (later, and not inside it).
    auto coveringPanels = [&](const PlacedControl& p) {
        std::vector<const PlacedControl*> over;
        for (size_t i = p.subtreeEnd; i < all.size(); ++i)
            if (opaque(all[i]) && intersects(p, all[i].left, all[i].top, all[i].right, all[i].bottom))
                over.push_back(&all[i]);
        return over;
    };
    auto whollyUnder = [](const PlacedControl& p, const PlacedControl& panel) {
        return panel.left <= p.left && panel.top <= p.top && p.right <= panel.right &&
               p.bottom <= panel.bottom;
    };

    std::vector<const PlacedControl*> seen;
    for (const PlacedControl& p : all) {
        if (!p.shown || p.right <= p.left || p.bottom <= p.top) continue;
        if (!intersects(p, p.clipLeft, p.clipTop, p.clipRight, p.clipBottom)) continue;
        // What the window and the containers let show of it.
        PlacedControl part = p;
        part.left = std::max(p.left, p.clipLeft);
        part.top = std::max(p.top, p.clipTop);
        part.right = std::min(p.right, p.clipRight);
        part.bottom = std::min(p.bottom, p.clipBottom);
        const std::vector<const PlacedControl*> over = coveringPanels(part);
        bool hidden = false;
        for (const PlacedControl* panel : over) hidden = hidden || whollyUnder(part, *panel);
        if (hidden) continue;
        const std::string name = p.control->name();
        const bool bordered = p.control->kind() == forms::Kind::PictureBox &&
                              static_cast<const forms::PictureBox&>(*p.control).border();
        if ((holdsContent(*p.control) || bordered) &&
            (p.left < p.clipLeft || p.top < p.clipTop || p.right > p.clipRight ||
             p.bottom > p.clipBottom))
            faults.push_back(name + " is cut by the edge of " +
                             (p.control->parent() == &form ? std::string("the window")
                                                           : p.control->parent()->name()));
        if (!holdsContent(*p.control)) continue;
        if (const int over = metrics ? captionOverflow(*p.control, *metrics) : 0)
            faults.push_back(name + "'s caption is cut (" + std::to_string(over) + " twips too wide)");
        for (const PlacedControl* panel : over) faults.push_back(name + " lies half under " + panel->control->name());
        seen.push_back(&p);
    }
    for (size_t i = 0; i < seen.size(); ++i)
        for (size_t j = i + 1; j < seen.size(); ++j)
            if (intersects(*seen[i], seen[j]->left, seen[j]->top, seen[j]->right, seen[j]->bottom))
                faults.push_back(seen[i]->control->name() + " overlaps " + seen[j]->control->name());
    return faults;
}

} // namespace sahifex::testing
