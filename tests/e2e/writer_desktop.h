#pragma once
// LibreOffice Writer as the user's editor on the test's X display: started once, with a
// fresh profile of its own and no session bus; its document laid out and read back
// byte for byte through Writer's UNO bridge; selected, copied and pasted into by keys.

#include <chrono>
#include <memory>
#include <string>

#include "desktop.h"
#include "process.h"
#include "support/temp_folder.h"

namespace sahifex::e2e {

class WriterDesktop {
public:
    // Starts Writer with a new text document and waits until its window shows and its
    // bridge answers (a first start takes several seconds).
    WriterDesktop();
    // Ends Writer without asking to save.
    ~WriterDesktop();
    WriterDesktop(const WriterDesktop&) = delete;
    WriterDesktop& operator=(const WriterDesktop&) = delete;

    WindowId window() const { return window_; }
    bool isActive() const { return activeWindow() == window_; }
    void activate() const { e2e::activate(window_); }

    // The document's text, paragraphs separated by "\n".
    std::string text() const;
    // Replaces the document's text, the cursor at its start.
    void setText(const std::string& text) const;
    // Waits until the document holds the text (a paste goes in steps: the selection is
    // deleted before the clipboard is read); the text it holds then.
    std::string textOnceItIs(const std::string& expected,
                             std::chrono::milliseconds limit = std::chrono::seconds(5)) const;

private:
    // Runs the bridge script with these arguments; throws when it fails.
    std::string document(const std::vector<std::string>& args) const;

    testing::TempFolder folder_{"writer"};
    std::string pipe_;
    std::unique_ptr<Process> process_;
    WindowId window_ = 0;
};

} // namespace sahifex::e2e
