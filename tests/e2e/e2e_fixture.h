#pragma once
// The fixture of the end-to-end tests: one scene per test, a screenshot when it fails.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control_places.h"
#include "e2e_session.h"
#include "verse_data.h"

namespace sahifex::e2e {

// The verses of the files beside the program.
const VerseData& verses();

class E2eTest : public ::testing::Test {
public:
    // The editor opens a file with this text; the program starts after it.
    void startScene(const std::string& editorText = "");

    // Clicks into the search box, types the word and presses Enter.
    void searchFor(const std::string& word);
    using OptionBox = forms::CheckBox app::Options_Form::*;
    // Opens the options panel with its command word, clicks its check boxes and searches
    // for the word in the search box above the panel.
    void searchWithOptionsClicked(std::initializer_list<OptionBox> boxes, const std::string& word);
    // Clicks these boxes of the open options panel.
    void clickOptionBoxes(std::initializer_list<OptionBox> boxes);
    // The editor's text once it has changed, saved; "" marks that nothing changed.
    std::string editorTextAfterChange();
    // Clicks the bar's Searching image, which switches copy tracking; the editor keeps
    // the focus.
    void clickSearchingImage();
    // Selects line n (from 1) in the editor and copies it.
    void copyLine(int n);

    ControlPlaces& places();

    std::unique_ptr<E2eSession> scene;

protected:
    void TearDown() override;

private:
    std::unique_ptr<ControlPlaces> places_;
};

} // namespace sahifex::e2e
