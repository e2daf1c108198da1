#include "platform/media/MediaPlayer.h"

#include "platform/Exceptions.h"
#include "platform/media/Gstreamer.h"
#include "platform/media/Volume.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace trelvan {
namespace {

// Preroll of a local file takes milliseconds; the bound only keeps a broken
// file or output from freezing the window for good.
constexpr GstClockTime kOpenTimeout = 5 * GST_SECOND;
constexpr GstClockTime kStopTimeout = 2 * GST_SECOND;
constexpr std::chrono::milliseconds kLateErrorWait{1000};
// MP3 without a bit-rate tag: assume the most common rate for the estimate.
constexpr quint64 kFallbackBitrate = 128000;

std::atomic<int> lastDeviceId{0};

const QEvent::Type kBusEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

// One bus message on its way to the GUI thread. Qt deletes events still queued
// for a destroyed receiver, so the message reference cannot leak.
class BusEvent final : public QEvent {
public:
    BusEvent(GstMessage* message, quint64 generation)
        : QEvent(kBusEventType), message(message), generation(generation) {}
    ~BusEvent() override {
        if (message)
            gst_message_unref(message);
    }
    BusEvent(const BusEvent&) = delete;
    BusEvent& operator=(const BusEvent&) = delete;

    GstMessage* message; // nullptr: the play could not start (failure already set)
    quint64 generation;
};

qint64 toMs(gint64 nanoseconds) {
    return nanoseconds / static_cast<gint64>(GST_MSECOND);
}

} // namespace

MediaPlayer::MediaPlayer(QObject* parent) : Player(parent) {
    ensureGstreamer();
}

MediaPlayer::~MediaPlayer() {
    releasePipeline();
}

void MediaPlayer::fail(PlayerFailure failure) {
    failure_ = std::move(failure);
    throw EMCIDeviceError(errorMessage());
}

void MediaPlayer::open() {
    close();
    const QFileInfo file(fileName_);
    if (!file.exists() || file.isDir())
        fail(fileNotFound(fileName_));
    if (!file.isReadable())
        fail(fileNotReadable(fileName_));

    GstElement* sink = makeAudioSink();
    if (!sink)
        fail(noAudioOutput());
    pipeline_ = gst_element_factory_make("playbin", nullptr);
    if (!pipeline_) {
        gst_object_unref(gst_object_ref_sink(sink));
        fail({kPlayerFailure, QStringLiteral("Fehler bei der Wiedergabe: playbin fehlt")});
    }
    gst_object_ref_sink(pipeline_);
    audioSink_ = sink;
    gchar* uri =
        gst_filename_to_uri(QFile::encodeName(file.absoluteFilePath()).constData(), nullptr);
    g_object_set(pipeline_, "uri", uri, "audio-sink", sink, "flags", kAudioOnlyPlayFlags, nullptr);
    g_free(uri);

    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, &MediaPlayer::onBusMessage, this, nullptr);
    gst_object_unref(bus);

    generation_.fetch_add(1);
    openedPath_ = fileName_;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    const GstStateChangeReturn preroll =
        gst_element_get_state(pipeline_, nullptr, nullptr, kOpenTimeout);
    GstMessage* error = takeFirstError();
    // decodebin may post its ERROR only after the state change has failed
    // ("This appears to be a text file" came a few ms late): wait a moment for it.
    if (preroll == GST_STATE_CHANGE_FAILURE && !error)
        error = waitForFirstError(kLateErrorWait);
    if (preroll == GST_STATE_CHANGE_FAILURE || error) {
        PlayerFailure failure = error ? failureFrom(error) : notPlayable(fileName_);
        if (error)
            gst_message_unref(error);
        releasePipeline();
        fail(std::move(failure));
    }
    if (preroll == GST_STATE_CHANGE_ASYNC) {
        releasePipeline();
        fail(openTimeout(fileName_));
    }

    deviceId_ = ++lastDeviceId;
    ended_ = false;
    playing_ = false;
    lastPositionMs_ = 0;
    lengthMs_ = 0;
    lengthExact_ = false;
    refreshDuration();
    if (!lengthExact_)
        estimateLength();
    failure_ = {};
}

void MediaPlayer::play() {
    if (!pipeline_)
        fail(noDevice());
    const quint64 generation = generation_.fetch_add(1) + 1;
    playing_ = true;
    failure_ = {};
    // At the end of the stream (paused there by endPlay or stop) the sinks post
    // EOS again when they go back to PLAYING: a play from the end ends at once
    // with its notice.
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        GstMessage* error = takeFirstError();
        failure_ = failureFrom(error);
        if (error)
            gst_message_unref(error);
        QCoreApplication::postEvent(this, new BusEvent(nullptr, generation));
    }
}

void MediaPlayer::stop() {
    if (!pipeline_)
        return;
    generation_.fetch_add(1);
    playing_ = false;
    lastPositionMs_ = position();
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    gst_element_get_state(pipeline_, nullptr, nullptr, kStopTimeout);
    failure_ = {};
}

void MediaPlayer::close() {
    if (!pipeline_)
        return;
    releasePipeline();
    failure_ = {};
}

void MediaPlayer::releasePipeline() {
    generation_.fetch_add(1);
    playing_ = false;
    deviceId_ = 0;
    ended_ = false;
    lengthMs_ = 0;
    lengthExact_ = false;
    lastPositionMs_ = 0;
    if (pipeline_) {
        // NULL first: afterwards no streaming thread can call the sync handler.
        gst_element_set_state(pipeline_, GST_STATE_NULL);
        GstBus* bus = gst_element_get_bus(pipeline_);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(pipeline_);
        pipeline_ = nullptr;
        audioSink_ = nullptr;
    }
    if (GstMessage* error = takeFirstError())
        gst_message_unref(error);
}

qint64 MediaPlayer::length() const {
    if (!pipeline_)
        return 0;
    if (!lengthExact_)
        refreshDuration();
    return lengthMs_;
}

qint64 MediaPlayer::position() const {
    if (!pipeline_)
        return 0;
    if (ended_)
        return lengthMs_;
    gint64 nanoseconds = 0;
    if (gst_element_query_position(pipeline_, GST_FORMAT_TIME, &nanoseconds) && nanoseconds >= 0)
        lastPositionMs_ = toMs(nanoseconds);
    // Before the end the stream may run past a duration that was only estimated
    // (or, for VBR without a header, past the real one); the position never
    // reads more than the length.
    return std::min(lastPositionMs_, length());
}

void MediaPlayer::setVolume(int volume) {
    if (!pipeline_)
        return;
    g_object_set(pipeline_, "volume", gainForVolume(volume), nullptr);
    failure_ = {};
}

void MediaPlayer::refreshDuration() const {
    gint64 nanoseconds = 0;
    if (gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &nanoseconds) && nanoseconds > 0) {
        lengthMs_ = std::max<qint64>(1, toMs(nanoseconds));
        lengthExact_ = true;
    }
}

// VBR MP3 without a Xing header and MPEG-2.5 files have no duration after
// preroll (the query fails until the parser has seen enough frames). Estimate
// it from the file's size and the bit rate the parser has tagged; the exact
// value replaces it on DURATION_CHANGED, and at the end of the stream.
void MediaPlayer::estimateLength() {
    quint64 bitrate = 0;
    GstTagList* tags = nullptr;
    g_signal_emit_by_name(pipeline_, "get-audio-tags", 0, &tags);
    if (tags) {
        guint value = 0;
        // The average rate first: LAME's first frame often has the maximum rate,
        // and that is what the nominal rate is taken from.
        if (gst_tag_list_get_uint(tags, GST_TAG_BITRATE, &value) && value > 0)
            bitrate = value;
        else if (gst_tag_list_get_uint(tags, GST_TAG_NOMINAL_BITRATE, &value) && value > 0)
            bitrate = value;
        gst_tag_list_unref(tags);
    }
    if (bitrate == 0)
        bitrate = kFallbackBitrate;
    const quint64 bytes = static_cast<quint64>(QFileInfo(openedPath_).size());
    lengthMs_ = std::max<qint64>(1, static_cast<qint64>(bytes * 8 * 1000 / bitrate));
}

void MediaPlayer::latchEnd() {
    // At EOS the stream position may be a little beyond the reported duration
    // (VBR without a header: 3.239 s against 3.178 s). Both settle on the larger
    // value, so that a song that played to its end reads position == length.
    qint64 end = lengthMs_;
    gint64 nanoseconds = 0;
    if (gst_element_query_position(pipeline_, GST_FORMAT_TIME, &nanoseconds) && nanoseconds > 0)
        end = std::max(end, toMs(nanoseconds));
    if (gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &nanoseconds) && nanoseconds > 0)
        end = std::max(end, toMs(nanoseconds));
    lengthMs_ = std::max<qint64>(1, end);
    lengthExact_ = true;
    lastPositionMs_ = lengthMs_;
    ended_ = true;
}

GstBusSyncReply MediaPlayer::onBusMessage(GstBus*, GstMessage* message, gpointer self) {
    auto* player = static_cast<MediaPlayer*>(self);
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR: {
        const std::lock_guard<std::mutex> lock(player->errorMutex_);
        if (!player->firstError_)
            player->firstError_ = gst_message_ref(message);
        player->errorArrived_.notify_all();
    }
        [[fallthrough]];
    case GST_MESSAGE_EOS:
    case GST_MESSAGE_DURATION_CHANGED:
        QCoreApplication::postEvent(
            player, new BusEvent(gst_message_ref(message), player->generation_.load()));
        break;
    default:
        break;
    }
    // Nothing is left queued on the bus: what matters has been posted.
    return GST_BUS_DROP;
}

void MediaPlayer::customEvent(QEvent* event) {
    if (event->type() != kBusEventType) {
        Player::customEvent(event);
        return;
    }
    auto* busEvent = static_cast<BusEvent*>(event);
    handleMessage(busEvent->message, busEvent->generation);
}

void MediaPlayer::handleMessage(GstMessage* message, quint64 generation) {
    if (message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_DURATION_CHANGED) {
        if (pipeline_ && !ended_ && generation_.load() == generation)
            refreshDuration();
        return;
    }
    // A message of a play that stop, close or open has cut off.
    if (!pipeline_ || !playing_ || generation != generation_.load())
        return;
    endPlay(message);
}

void MediaPlayer::endPlay(GstMessage* message) {
    playing_ = false;
    if (message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
        latchEnd();
        // Back to PAUSED like a stopped device: a later play() then really
        // changes state, and the sinks post EOS again on going to PLAYING.
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    } else if (message) {
        failure_ = failureFrom(message);
        // A new play must not find this error again in open()'s slot.
        if (GstMessage* error = takeFirstError())
            gst_message_unref(error);
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    }
    emit notify();
}

bool MediaPlayer::isFromAudioSink(GstMessage* message) const {
    if (!audioSink_)
        return false;
    for (GstObject* object = GST_MESSAGE_SRC(message); object; object = GST_OBJECT_PARENT(object))
        if (object == GST_OBJECT(audioSink_))
            return true;
    return false;
}

PlayerFailure MediaPlayer::failureFrom(GstMessage* error) const {
    if (!error || GST_MESSAGE_TYPE(error) != GST_MESSAGE_ERROR)
        return {kPlayerFailure, QString()};
    GError* gerror = nullptr;
    gst_message_parse_error(error, &gerror, nullptr);
    PlayerFailure failure = describeMediaError(gerror, isFromAudioSink(error), openedPath_);
    g_error_free(gerror);
    return failure;
}

GstMessage* MediaPlayer::waitForFirstError(std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(errorMutex_);
    errorArrived_.wait_for(lock, timeout, [this] { return firstError_ != nullptr; });
    return std::exchange(firstError_, nullptr);
}

GstMessage* MediaPlayer::takeFirstError() {
    const std::lock_guard<std::mutex> lock(errorMutex_);
    return std::exchange(firstError_, nullptr);
}

} // namespace trelvan
