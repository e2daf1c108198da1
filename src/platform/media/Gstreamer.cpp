#include "platform/media/Gstreamer.h"

#include <mutex>

namespace trelvan {

void ensureGstreamer() {
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

QString audioSinkDescription() {
    const QString fromEnvironment = qEnvironmentVariable("TRELVAN_AUDIO_SINK").trimmed();
    return fromEnvironment.isEmpty() ? QStringLiteral("autoaudiosink") : fromEnvironment;
}

GstElement* makeAudioSink() {
    ensureGstreamer();
    GError* error = nullptr;
    // A bin with ghost pads, so that a chain such as "audioconvert ! alsasink"
    // works as well as a single element.
    GstElement* sink =
        gst_parse_bin_from_description(audioSinkDescription().toUtf8().constData(), TRUE, &error);
    if (error) {
        // gst_parse may hand back a half-built element together with the error.
        g_error_free(error);
        if (sink)
            gst_object_unref(gst_object_ref_sink(sink));
        return nullptr;
    }
    return sink;
}

} // namespace trelvan
