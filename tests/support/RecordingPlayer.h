#pragma once

#include "platform/media/Player.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace trelvan::test {

// A player without sound for window tests. Every command is logged as a line
// ("setFileName /x/xc1.mp3", "open", "play", "stop", "close", "setVolume 500");
// the test decides when a play ends (finishPlay, failPlay). Queries are not
// logged. Notices are emitted at once, where the real player would post them.
class RecordingPlayer final : public Player {
public:
    using Player::Player;

    QStringList calls;

    // Length of a file when opened (default 60 000 ms).
    void setLength(const QString& path, qint64 ms) { lengths_[path] = ms; }
    // open() of `path` fails: error() = kPlayerNotPlayable and EMCIDeviceError
    // with `text` ("%1" is replaced by the path).
    void failOpen(const QString& path, const QString& text = QStringLiteral(
                                           "Die Datei %1 ist keine abspielbare Audiodatei."));

    // The running play reaches its end: position := track length, notice.
    void finishPlay();
    // The running play fails: error() = code, errorMessage() = text, notice.
    void failPlay(int code, const QString& text);
    void setPosition(qint64 ms) { position_ = ms; }

    bool isPlaying() const { return playing_; }
    // The volume last applied to an open device, -1 when none since the open.
    int volume() const { return volume_; }

    void setFileName(const QString& path) override;
    QString fileName() const override { return fileName_; }
    void open() override;
    void play() override;
    void stop() override;
    void close() override;
    bool isOpen() const override { return deviceId_ != 0; }
    int deviceId() const override { return deviceId_; }
    qint64 length() const override { return isOpen() ? length_ : 0; }
    qint64 trackLength() const override { return length(); }
    qint64 position() const override { return isOpen() ? position_ : 0; }
    int error() const override { return error_; }
    QString errorMessage() const override { return playerErrorText(error_, errorText_); }
    void setVolume(int volume) override;

private:
    void setError(int code, const QString& text);

    QHash<QString, qint64> lengths_;
    QHash<QString, QString> openFailures_;
    QString fileName_;
    int deviceId_ = 0;
    int lastDeviceId_ = 0;
    qint64 length_ = 0;
    qint64 position_ = 0;
    bool playing_ = false;
    int volume_ = -1;
    int error_ = 0;
    QString errorText_;
};

} // namespace trelvan::test
