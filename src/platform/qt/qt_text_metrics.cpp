#include "platform/qt/qt_text_metrics.h"

#include <QFontMetrics>
#include <algorithm>
#include <climits>

#include "platform/qt/program_font.h"
#include "platform/qt/twips.h"

namespace sahifex::platform::qt {

int QtTextMetrics::wrappedTextHeight(const std::u16string& text, int widthTwips,
                                     int fontPoints) const {
    const QFontMetrics metrics(programFont(fontPoints));
    const int width = std::max(1, toPixels(widthTwips));
    // An empty label still takes one line, as a label with a blank caption does.
    const QString shown = text.empty() ? QStringLiteral(" ") : QString::fromStdU16String(text);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, width, INT_MAX / 2),
                                              Qt::TextWordWrap | Qt::AlignTop, shown);
    return toTwips(std::max(bounds.height(), metrics.height()));
}

} // namespace sahifex::platform::qt
