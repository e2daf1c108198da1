#pragma once

#include "platform/media/MediaErrors.h"
#include "platform/media/Player.h"

#include <gst/gst.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace trelvan {

// The player on one GStreamer playbin per open device. Bus messages come from
// the streaming threads; a sync handler posts them to this object as events,
// so they reach the GUI thread in order with the window messages and are
// delivered by processEvents().
class MediaPlayer final : public Player {
    Q_OBJECT
public:
    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void setFileName(const QString& path) override { fileName_ = path; }
    QString fileName() const override { return fileName_; }

    void open() override;
    void play() override;
    void stop() override;
    void close() override;

    bool isOpen() const override { return pipeline_ != nullptr; }
    int deviceId() const override { return deviceId_; }

    qint64 length() const override;
    qint64 trackLength() const override { return length(); }
    qint64 position() const override;

    int error() const override { return failure_.code; }
    QString errorMessage() const override { return playerErrorText(failure_.code, failure_.text); }

    void setVolume(int volume) override;

    // The open device's playbin (nullptr when none), for tests and measurements.
    GstElement* pipeline() const { return pipeline_; }

protected:
    void customEvent(QEvent* event) override;

private:
    static GstBusSyncReply onBusMessage(GstBus* bus, GstMessage* message, gpointer self);
    void handleMessage(GstMessage* message, quint64 generation);
    void endPlay(GstMessage* message);
    void latchEnd();
    void refreshDuration() const;
    void estimateLength();
    bool isFromAudioSink(GstMessage* message) const;
    PlayerFailure failureFrom(GstMessage* error) const;
    GstMessage* takeFirstError();
    GstMessage* waitForFirstError(std::chrono::milliseconds timeout);
    void releasePipeline();
    [[noreturn]] void fail(PlayerFailure failure);

    QString fileName_;
    QString openedPath_;
    GstElement* pipeline_ = nullptr;
    GstElement* audioSink_ = nullptr; // owned by pipeline_
    int deviceId_ = 0;

    // Bumped by every play, stop, open and close. A bus message carries the
    // value current when it was posted; only a message of the running play may
    // end it, so a cut-off play's notice can never end a later one.
    std::atomic<quint64> generation_{0};
    bool playing_ = false; // a play waits for its notice

    mutable qint64 lengthMs_ = 0;
    mutable qint64 lastPositionMs_ = 0;
    mutable bool lengthExact_ = false;
    bool ended_ = false; // played to the end: position latched to lengthMs_

    PlayerFailure failure_;

    // The first ERROR since the pipeline was built; open() reads it after a
    // failed preroll (the bus does not queue: the sync handler drops messages).
    std::mutex errorMutex_;
    GstMessage* firstError_ = nullptr;
    std::condition_variable errorArrived_;
};

} // namespace trelvan
