#include "SoundFiles.h"

#include "platform/media/Gstreamer.h"

#include <gst/gst.h>

namespace trelvan::test {

bool renderPipeline(const QString& description) {
    ensureGstreamer();
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.toUtf8().constData(), &error);
    if (error) {
        g_error_free(error);
        if (pipeline)
            gst_object_unref(pipeline);
        return false;
    }
    GstBus* bus = gst_element_get_bus(pipeline);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstMessage* end = gst_bus_timed_pop_filtered(
        bus, 30 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool ok = end && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS;
    if (end)
        gst_message_unref(end);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    return ok;
}

bool writeToneMp3(const QString& path, int buffers, int frequency) {
    return renderPipeline(QStringLiteral("audiotestsrc num-buffers=%1 freq=%2 ! audioconvert ! "
                                         "lamemp3enc target=bitrate bitrate=128 cbr=true ! "
                                         "filesink location=\"%3\"")
                              .arg(buffers)
                              .arg(frequency)
                              .arg(path));
}

} // namespace trelvan::test
