#pragma once
// A label that draws word-wrapped text as the metrics service measures it: wrapped at
// the label's own width, every glyph within the label. Text that is not wrapped is
// drawn as QLabel draws it.

#include <QLabel>
#include <memory>

#include "platform/qt/wrapped_text.h"

namespace sahifex::view {

class WrappedLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The wrapped text as it is drawn at the label's present text, font and width.
    const platform::qt::WrappedText& wrapped() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable std::unique_ptr<platform::qt::WrappedText> wrapped_;
};

} // namespace sahifex::view
