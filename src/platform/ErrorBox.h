#pragma once

#include "platform/Exceptions.h"

#include <QString>
#include <exception>
#include <utility>

class QWidget;

namespace trelvan {

// The title of the program; caption of the application's error box.
inline const QString kApplicationTitle = QStringLiteral("Trelvan-Control");

// The error box's text: the message with a full stop appended when its last
// character sorts after "." (so "fehlt" gets one, "beendet!" does not).
QString errorBoxText(const QString& message);

// The application's error box: title caption, error icon, one OK button.
void showErrorBox(const QString& message, QWidget* parent = nullptr);

// Runs one event handler. An error that escapes it ends the handler at the
// failing step and is shown in the application's error box; the program goes on.
template <typename Handler> void runHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const Exception& error) {
        showErrorBox(error.message());
    } catch (const std::exception& error) {
        showErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showErrorBox(QString());
    }
}

} // namespace trelvan
