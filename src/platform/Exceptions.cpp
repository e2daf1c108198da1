#include "platform/Exceptions.h"

namespace trelvan {

Exception::Exception(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

EFOpenError::EFOpenError(const QString& path)
    : Exception(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path)) {}

EFCreateError::EFCreateError(const QString& path)
    : Exception(QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path)) {}

EIniWriteError::EIniWriteError(const QString& path)
    : Exception(QStringLiteral("In %1 kann nicht geschrieben werden").arg(path)) {}

EInvalidGraphic::EInvalidGraphic() : Exception(QStringLiteral("Bitmap ist ungültig")) {}

EMCIDeviceError::EMCIDeviceError(const QString& text) : Exception(text) {}

} // namespace trelvan
