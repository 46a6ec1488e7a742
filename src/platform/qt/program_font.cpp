#include "platform/qt/program_font.h"

#include <QStringList>

namespace sahifex::platform::qt {

QFont programFont(int points) {
    QFont font;
    // Amiri draws vocalized Arabic well; the others cover machines without it.
    font.setFamilies({QStringLiteral("Amiri"), QStringLiteral("Noto Naskh Arabic"),
                      QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(points > 0 ? points : 10);
    return font;
}

} // namespace sahifex::platform::qt
