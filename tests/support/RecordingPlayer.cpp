#include "RecordingPlayer.h"

#include "platform/Exceptions.h"

namespace trelvan::test {

void RecordingPlayer::failOpen(const QString& path, const QString& text) {
    openFailures_[path] = text.contains(QStringLiteral("%1")) ? text.arg(path) : text;
}

void RecordingPlayer::finishPlay() {
    position_ = length_;
    playing_ = false;
    emit notify();
}

void RecordingPlayer::failPlay(int code, const QString& text) {
    setError(code, text);
    playing_ = false;
    emit notify();
}

void RecordingPlayer::setFileName(const QString& path) {
    calls << QStringLiteral("setFileName ") + path;
    fileName_ = path;
}

void RecordingPlayer::open() {
    calls << QStringLiteral("open");
    deviceId_ = 0; // an open device is closed first
    playing_ = false;
    volume_ = -1;
    if (openFailures_.contains(fileName_)) {
        setError(kPlayerNotPlayable, openFailures_.value(fileName_));
        throw EMCIDeviceError(errorText_);
    }
    deviceId_ = ++lastDeviceId_;
    length_ = lengths_.value(fileName_, 60000);
    position_ = 0;
    setError(0, QString());
}

void RecordingPlayer::play() {
    calls << QStringLiteral("play");
    if (!isOpen()) {
        setError(kPlayerNoDevice, QStringLiteral("Es ist kein Wiedergabegerät geöffnet."));
        throw EMCIDeviceError(errorText_);
    }
    playing_ = true;
    setError(0, QString());
}

void RecordingPlayer::stop() {
    calls << QStringLiteral("stop");
    playing_ = false;
}

void RecordingPlayer::close() {
    calls << QStringLiteral("close");
    deviceId_ = 0;
    playing_ = false;
    volume_ = -1;
}

void RecordingPlayer::setVolume(int volume) {
    calls << QStringLiteral("setVolume %1").arg(volume);
    if (isOpen())
        volume_ = volume;
}

void RecordingPlayer::setError(int code, const QString& text) {
    error_ = code;
    errorText_ = text;
}

} // namespace trelvan::test
