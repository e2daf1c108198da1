#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QTemporaryDir>

#include "SoundFiles.h"
#include <QThread>
#include <string>

namespace trelvan::test {

// Tiny sound files made with GStreamer, once per test program.
struct MediaFiles {
    static const MediaFiles& get();

    QString cbrMp3;       // 0.4 s, 128 kbit/s CBR: duration known at once
    QString vbrMp3;       // 0.5 s VBR without Xing header: duration unknown after open
    QString mpeg25Mp3;    // 0.5 s, 8 kHz mono (MPEG-2.5): duration unknown after open
    QString wav;          // 0.4 s PCM
    QString longWav;      // 1.5 s PCM, for stopping in the middle
    QString textMp3;      // a text file named .mp3
    QString truncatedMp3; // the first KB of an MP3
    QString missing;      // no such file
    QString folder;       // a folder, not a file

    QTemporaryDir dir;

private:
    MediaFiles();
};

// Processes events for `ms` milliseconds.
inline void pumpEvents(int ms) {
    waitUntil([] { return false; }, ms);
}

// QStrings compare as std::string so that a failure shows readable text.
inline std::string str(const QString& text) {
    return text.toStdString();
}

// Sets an environment variable for one scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool hadValue_;
};

} // namespace trelvan::test
