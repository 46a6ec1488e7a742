#pragma once
// The floating bar: a small window above all others that shows and switches copy
// tracking, brings back the main window, drags it along, folds, and ends the program.

#include <cstdint>

#include "app/program_state.h"
#include "forms/forms.h"
#include "platform/services.h"

namespace sahifex::app { class Options_Form; }

namespace sahifex::bar {

// The bar's drawings.
inline constexpr const char* kPictureSettings = "settings";
inline constexpr const char* kPictureOnn = "onn";
inline constexpr const char* kPictureOff = "off";
inline constexpr const char* kPictureBlank = "blank";
inline constexpr const char* kPictureTitle = "title";

class Top_Bar : public forms::Form {
public:
    Top_Bar(const platform::Services& services, app::ProgramState& program,
            app::Options_Form& main);

    forms::Image Settings{"Settings"};
    forms::Image Searching{"Searching"};
    forms::Image Title{"Title"};
    forms::Image Image2{"Image2"};
    forms::Image Onn{"Onn"};
    forms::Image Off{"Off"};
    forms::Image Blank{"Blank"};

    // Loads the bar on its first use: runs Form_Load once.
    void ensureLoaded();
    bool loaded() const { return loaded_; }

    void Form_Load();
    void Image2_Click();
    void Searching_Click();
    void Settings_Click();
    void Title_MouseDown(const forms::MouseEvent& e);
    void Title_MouseMove(const forms::MouseEvent& e);
    void Title_DblClick();

    // The docking rule: the bar sits kDockGap twips above the main window's top edge,
    // kDockIndent in from its left edge.
    void dockToMain();
    bool dockedToMain() const;
    static constexpr int kDockGap = 50;
    static constexpr int kDockIndent = 60;

    // The drag anchor: the last mouse-down on Title, twips relative to Title.
    int32_t anchorX = 0;
    int32_t anchorY = 0;

private:
    void design();
    void wireHandlers();

    platform::Services services_;
    app::ProgramState& program_;
    app::Options_Form& main_;
    bool loaded_ = false;
};

} // namespace sahifex::bar
