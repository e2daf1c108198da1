#pragma once

#include <QString>
#include <stdexcept>

namespace trelvan {

// Base of every error the program reports to the operator. The message is the
// German text shown in the application's error box.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message);
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A file that cannot be opened for reading.
class EFOpenError : public Exception {
public:
    explicit EFOpenError(const QString& path);
};

// A file that cannot be created or replaced.
class EFCreateError : public Exception {
public:
    explicit EFCreateError(const QString& path);
};

// A settings file that cannot be written.
class EIniWriteError : public Exception {
public:
    explicit EIniWriteError(const QString& path);
};

// A picture file that is not a readable bitmap.
class EInvalidGraphic : public Exception {
public:
    EInvalidGraphic();
};

// A media file the player cannot open; the text says why.
class EMCIDeviceError : public Exception {
public:
    explicit EMCIDeviceError(const QString& text);
};

} // namespace trelvan
