#include "platform/media/Player.h"

namespace trelvan {

QString playerErrorText(int code, const QString& text) {
    if (code <= 0)
        return QString();
    return text.isEmpty() ? QStringLiteral("Unbekannter Fehler-Code") : text;
}

} // namespace trelvan
