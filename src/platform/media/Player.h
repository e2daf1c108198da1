#pragma once

#include <QObject>
#include <QString>

namespace trelvan {

// Error codes of a player (error() > 0 after a failed command).
enum PlayerErrorCode : int {
    kPlayerNoError = 0,
    kPlayerFileNotFound = 1,
    kPlayerFileNotReadable = 2,
    kPlayerNotPlayable = 3,
    kPlayerNoAudioOutput = 4,
    kPlayerOpenTimeout = 5,
    kPlayerNoDevice = 6,
    kPlayerFailure = 7, // anything else the media system reports
};

// The text shown for an error: its own text, or "Unbekannter Fehler-Code" when
// a failure came without one. Empty when there is no error.
QString playerErrorText(int code, const QString& text);

// A media device driven like an MCI device: one file at a time, opened and
// waited for, played without waiting, and a notice at the end of each play.
// The windows work against this interface so that their tests can use a fake.
//
// Times are milliseconds as qint64 (an int would do up to 24 days; the wider
// type saves the casts from the media system's nanoseconds).
class Player : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Player() override = default;

    virtual void setFileName(const QString& path) = 0;
    virtual QString fileName() const = 0;

    // Opens fileName(), closing a device that is still open, and returns once
    // the medium is ready (lengths known). Throws EMCIDeviceError with a German
    // text when the file cannot be opened; error() and errorMessage() say the same.
    virtual void open() = 0;
    // Starts playing from the current position and returns at once. Every play
    // ends with exactly one notify(): played to its end, or failed (error() > 0).
    // A play cut off by stop(), close() or open() gives no notice.
    // Throws EMCIDeviceError when no device is open.
    virtual void play() = 0;
    // Halts; the device stays open and keeps its position. Nothing without a device.
    virtual void stop() = 0;
    // Releases the device; nothing when none is open.
    virtual void close() = 0;

    virtual bool isOpen() const = 0;
    // 0 when no device is open, else a positive id of the open device.
    virtual int deviceId() const = 0;

    // Length of the medium and of its (only) track; 0 without a device.
    virtual qint64 length() const = 0;
    virtual qint64 trackLength() const = 0;
    // Current position; equals trackLength() once a play has reached the end.
    virtual qint64 position() const = 0;

    // Code of the last failure (> 0), 0 after a successful command.
    virtual int error() const = 0;
    virtual QString errorMessage() const = 0;

    // Volume of the open medium, 0 (silent) .. 1000 (full). No effect without a
    // device; a medium opened later starts at full volume.
    virtual void setVolume(int volume) = 0;

signals:
    void notify();
};

} // namespace trelvan
