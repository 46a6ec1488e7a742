#include "platform/qt/qt_text_metrics.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/qt/program_font.h"
#include "platform/twips.h"
#include "platform/qt/wrapped_text.h"

namespace sahifex::platform::qt {

int QtTextMetrics::wrappedTextHeight(const std::u16string& text, int widthTwips,
                                     int fontPoints) const {
    const QFont font = programFont(fontPoints);
    // An empty label still takes one line, as a label with a blank caption does.
    const QString shown = text.empty() ? QStringLiteral(" ") : QString::fromStdU16String(text);
    const WrappedText wrapped(shown, font, toPixels(widthTwips));
    return toTwips(std::max(wrapped.height(), QFontMetrics(font).height()));
}

int QtTextMetrics::lineWidth(const std::u16string& text, int fontPoints) const {
    return toTwips(QFontMetrics(programFont(fontPoints)).horizontalAdvance(QString::fromStdU16String(text)));
}

} // namespace sahifex::platform::qt
