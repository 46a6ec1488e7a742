#pragma once
// Controls that show or take text: Label, TextBox.

#include "forms/control.h"

namespace sahifex::forms {

// A label. With AutoSize and WordWrap on it takes the Height its caption needs at its
// Width, measured by the text-metrics service of its form.
class Label : public Control {
public:
    explicit Label(std::string name) : Control(std::move(name), Kind::Label) {}
    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string v);
    bool autoSize() const { return autoSize_; }
    bool wordWrap() const { return wordWrap_; }
    void setAutoSize(bool v);
    void setWordWrap(bool v);
    void setWidth(int v) override;
    void setFontSize(int points) override;
    // Recomputes the height of an auto-sized label (after the metrics service changed).
    void fitHeight();

private:
    std::u16string caption_;
    bool autoSize_ = false;
    bool wordWrap_ = false;
};

class TextBox : public Control {
public:
    explicit TextBox(std::string name) : Control(std::move(name), Kind::TextBox) {}
    const std::u16string& text() const { return text_; }
    void setText(std::u16string v);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool v) { multiLine_ = v; }

private:
    std::u16string text_;
    bool multiLine_ = false;
};

} // namespace sahifex::forms
