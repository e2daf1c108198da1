#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QThread>

namespace trelvan::test {

// Runs a gst-launch description to its end (files are written by filesink).
// False when the pipeline cannot be built or fails.
bool renderPipeline(const QString& description);

// `buffers` buffers (of about 23 ms) of a tone as constant-bit-rate MP3, so that
// its length is known as soon as it is opened.
bool writeToneMp3(const QString& path, int buffers, int frequency = 440);

// Processes events until `done` holds or `timeoutMs` has passed; true when done.
template <typename Predicate> bool waitUntil(Predicate done, int timeoutMs = 5000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

} // namespace trelvan::test
