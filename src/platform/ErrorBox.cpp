#include "platform/ErrorBox.h"

#include "platform/Dialogs.h"

namespace trelvan {

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showErrorBox(const QString& message, QWidget* parent) {
    dialogs().message(errorBoxText(message), kApplicationTitle, MessageIcon::Error, parent);
}

} // namespace trelvan
