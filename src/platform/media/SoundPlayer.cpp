#include "platform/media/SoundPlayer.h"

#include "platform/media/Gstreamer.h"

#include <QFile>
#include <QFileInfo>

namespace trelvan {
namespace {

constexpr GstClockTime kPrerollTimeout = 5 * GST_SECOND;
// Headroom over the sound's own duration before the wait gives up; a sound of
// unknown duration may take up to ten minutes.
constexpr GstClockTime kEndSlack = 5 * GST_SECOND;
constexpr GstClockTime kUnknownDurationLimit = 600 * GST_SECOND;

// Two tones of 0.15 s each (15 buffers of 10 ms), joined by concat.
QString defaultSoundDescription() {
    const QString tone = QStringLiteral("audiotestsrc wave=sine volume=0.4 freq=%1 "
                                        "num-buffers=15 samplesperbuffer=441 ! "
                                        "audio/x-raw,rate=44100,channels=1 ! c. ");
    return QStringLiteral("concat name=c ! audioconvert ! audioresample ! ") +
           audioSinkDescription() + QLatin1Char(' ') + tone.arg(880) + tone.arg(660);
}

enum class Run {
    NotStarted, // preroll failed: not a playable sound
    Played,     // to its end, or until the stream broke off
};

// Takes ownership of `pipeline`.
Run runToEnd(GstElement* pipeline, const std::function<void(GstElement*)>& beforePlay) {
    Run run = Run::NotStarted;
    GstBus* bus = gst_element_get_bus(pipeline);
    gst_element_set_state(pipeline, GST_STATE_PAUSED);
    if (gst_element_get_state(pipeline, nullptr, nullptr, kPrerollTimeout) ==
        GST_STATE_CHANGE_SUCCESS) {
        gint64 duration = 0;
        const GstClockTime limit =
            gst_element_query_duration(pipeline, GST_FORMAT_TIME, &duration) && duration > 0
                ? static_cast<GstClockTime>(duration) + kEndSlack
                : kUnknownDurationLimit;
        if (beforePlay)
            beforePlay(pipeline);
        if (gst_element_set_state(pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE) {
            run = Run::Played;
            // Blocking on the bus, not on an event loop: that is the point. An
            // error or the time limit ends the wait like the end of the stream.
            if (GstMessage* end = gst_bus_timed_pop_filtered(
                    bus, limit, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)))
                gst_message_unref(end);
        }
    }
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    return run;
}

GstElement* filePipeline(const QString& path) {
    GstElement* sink = makeAudioSink();
    if (!sink)
        return nullptr;
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin) {
        gst_object_unref(gst_object_ref_sink(sink));
        return nullptr;
    }
    gst_object_ref_sink(playbin);
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), nullptr);
    g_object_set(playbin, "uri", uri, "audio-sink", sink, "flags", kAudioOnlyPlayFlags, nullptr);
    g_free(uri);
    return playbin;
}

GstElement* defaultSoundPipeline() {
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(defaultSoundDescription().toUtf8().constData(), &error);
    if (error) {
        g_error_free(error);
        if (pipeline)
            gst_object_unref(gst_object_ref_sink(pipeline));
        return nullptr;
    }
    return GST_ELEMENT(gst_object_ref_sink(pipeline));
}

} // namespace

SoundOutcome playSoundSync(const QString& path) {
    return playSoundSync(path, {});
}

SoundOutcome playSoundSync(const QString& path,
                           const std::function<void(GstElement*)>& beforePlay) {
    ensureGstreamer();
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable()) {
        if (GstElement* pipeline = filePipeline(file.absoluteFilePath());
            pipeline && runToEnd(pipeline, beforePlay) == Run::Played)
            return SoundOutcome::File;
    }
    GstElement* beep = defaultSoundPipeline();
    if (beep && runToEnd(beep, beforePlay) == Run::Played)
        return SoundOutcome::DefaultSound;
    return SoundOutcome::Silent;
}

} // namespace trelvan
