#include "MediaTiming.h"

#include "platform/media/Gstreamer.h"

#include <QFile>
#include <algorithm>
#include <stdexcept>
#include <thread>
#include <vector>

namespace trelvan::bench {
namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

QByteArray benchSinkDescription() {
    return QByteArray("fakesink name=") + kSinkName + " signal-handoffs=true sync=true";
}

void FirstBuffer::attach(GstElement* pipeline) {
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), kSinkName);
    if (!sink)
        throw std::runtime_error("bench sink not found");
    g_signal_connect(sink, "handoff", G_CALLBACK(&FirstBuffer::onHandoff), this);
    gst_object_unref(sink);
}

double FirstBuffer::msSince(Clock::time_point start) const {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (at.load() == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    if (at.load() == 0)
        return -1;
    return std::chrono::duration<double, std::milli>(Clock::duration(at.load()) -
                                                     start.time_since_epoch())
        .count();
}

void FirstBuffer::onHandoff(GstElement*, GstBuffer*, GstPad*, gpointer self) {
    Clock::rep none = 0;
    static_cast<FirstBuffer*>(self)->at.compare_exchange_strong(
        none, Clock::now().time_since_epoch().count());
}

void render(const QString& description) {
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.toUtf8().constData(), &error);
    if (error)
        throw std::runtime_error(error->message);
    GstBus* bus = gst_element_get_bus(pipeline);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    if (GstMessage* end = gst_bus_timed_pop_filtered(
            bus, 120 * GST_SECOND,
            static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)))
        gst_message_unref(end);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
}

// The floor: playbin on the file with the same sink, prerolled, then played.
double barePlaybinToFirstBuffer(const QString& path) {
    FirstBuffer first;
    const Clock::time_point start = Clock::now();
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), nullptr);
    g_object_set(playbin, "uri", uri, "audio-sink", makeAudioSink(), "flags", kAudioOnlyPlayFlags,
                 nullptr);
    g_free(uri);
    gst_element_set_state(playbin, GST_STATE_PAUSED);
    gst_element_get_state(playbin, nullptr, nullptr, 5 * GST_SECOND);
    first.attach(playbin);
    gst_element_set_state(playbin, GST_STATE_PLAYING);
    const double ms = first.msSince(start);
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(playbin);
    return ms;
}

void renderMp3(const QString& path, double megabytes) {
    // One-second buffers at 128 kbit/s are 16 KB each.
    render(
        QStringLiteral("audiotestsrc wave=pink-noise num-buffers=%1 samplesperbuffer=44100 ! "
                       "audio/x-raw,rate=44100,channels=2 ! "
                       "lamemp3enc target=bitrate bitrate=128 cbr=true ! filesink location=\"%2\"")
            .arg(int(megabytes * 1e6 / 16000))
            .arg(path));
}

// Alternates the two so that both see the same machine load and caches.
std::pair<double, double> measurePair(const std::function<double()>& measured,
                                      const std::function<double()>& floor) {
    measured(); // warm-up: plugin loading, page cache
    floor();
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < kMediaRuns; ++i) {
        a.push_back(measured());
        b.push_back(floor());
    }
    return {median(a), median(b)};
}

} // namespace trelvan::bench
