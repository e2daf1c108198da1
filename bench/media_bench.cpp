// The player's share of the budget table: from the command to the first audio
// buffer at the sink, through the program's player against a bare playbin on
// the same file.
#include "Bench.h"

#include "platform/media/Gstreamer.h"
#include "platform/media/MediaPlayer.h"
#include "platform/media/SoundPlayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <gst/gst.h>
#include <stdexcept>
#include <thread>

namespace trelvan::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 9;
const char* const kSinkName = "benchsink";

// Time of the first buffer the sink renders (handoff comes in PLAYING only;
// preroll buffers go to "preroll-handoff").
struct FirstBuffer {
    std::atomic<Clock::rep> at{0};

    void attach(GstElement* pipeline) {
        GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), kSinkName);
        if (!sink)
            throw std::runtime_error("bench sink not found");
        g_signal_connect(sink, "handoff", G_CALLBACK(&FirstBuffer::onHandoff), this);
        gst_object_unref(sink);
    }

    // Milliseconds from `start` to the first buffer; waits up to 10 s for it.
    double msSince(Clock::time_point start) const {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (at.load() == 0 && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        if (at.load() == 0)
            return -1;
        return std::chrono::duration<double, std::milli>(Clock::duration(at.load()) -
                                                         start.time_since_epoch())
            .count();
    }

    static void onHandoff(GstElement*, GstBuffer*, GstPad*, gpointer self) {
        Clock::rep none = 0;
        static_cast<FirstBuffer*>(self)->at.compare_exchange_strong(
            none, Clock::now().time_since_epoch().count());
    }
};

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

double playerToFirstBuffer(const QString& path) {
    FirstBuffer first;
    MediaPlayer player;
    const Clock::time_point start = Clock::now();
    player.setFileName(path);
    player.open();
    first.attach(player.pipeline());
    player.play();
    const double ms = first.msSince(start);
    player.close();
    return ms;
}

double announcementToFirstBuffer(const QString& path) {
    FirstBuffer first;
    const Clock::time_point start = Clock::now();
    playSoundSync(path, [&](GstElement* pipeline) { first.attach(pipeline); });
    return first.msSince(start); // recorded while the sound played
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Alternates the two so that both see the same machine load and caches.
std::pair<double, double> measurePair(const std::function<double()>& measured,
                                      const std::function<double()>& floor) {
    measured(); // warm-up: plugin loading, page cache
    floor();
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < kRuns; ++i) {
        a.push_back(measured());
        b.push_back(floor());
    }
    return {median(a), median(b)};
}

std::vector<Figure> mediaFigures() {
    ensureGstreamer();
    const QByteArray oldSink = qgetenv("TRELVAN_AUDIO_SINK");
    qputenv("TRELVAN_AUDIO_SINK",
            QByteArray("fakesink name=") + kSinkName + " signal-handoffs=true sync=true");

    QTemporaryDir dir;
    // 5 MB: 320 one-second buffers at 128 kbit/s.
    const QString song = dir.filePath(QStringLiteral("song.mp3"));
    render(
        QStringLiteral("audiotestsrc wave=pink-noise num-buffers=320 samplesperbuffer=44100 ! "
                       "audio/x-raw,rate=44100,channels=2 ! "
                       "lamemp3enc target=bitrate bitrate=128 cbr=true ! filesink location=\"%1\"")
            .arg(song));
    const QString announcement = dir.filePath(QStringLiteral("1.wav"));
    render(QStringLiteral("audiotestsrc num-buffers=5 samplesperbuffer=2205 ! "
                          "audio/x-raw,rate=22050,channels=1 ! wavenc ! filesink location=\"%1\"")
               .arg(announcement));
    const double megabytes = QFile(song).size() / 1e6;

    std::vector<Figure> figures;
    const auto [player, playerFloor] = measurePair([&] { return playerToFirstBuffer(song); },
                                                   [&] { return barePlaybinToFirstBuffer(song); });
    figures.push_back(
        {QStringLiteral("player open + play to first buffer (%1 MB MP3)").arg(megabytes, 0, 'f', 1),
         player, playerFloor, QStringLiteral("ms"), 1.3,
         QStringLiteral("MediaPlayer open()+play() vs bare playbin PAUSED+PLAYING; "
                        "first handoff of a fakesink; cue file copy not included"),
         false, 0});

    const auto [sound, soundFloor] =
        measurePair([&] { return announcementToFirstBuffer(announcement); },
                    [&] { return barePlaybinToFirstBuffer(announcement); });
    figures.push_back({QStringLiteral("announcement call to first buffer (WAV)"), sound, soundFloor,
                       QStringLiteral("ms"), 1.3,
                       QStringLiteral("playSoundSync start to first handoff vs bare playbin; "
                                      "the key handling before the call is not included"),
                       false, 0});

    if (oldSink.isNull())
        qunsetenv("TRELVAN_AUDIO_SINK");
    else
        qputenv("TRELVAN_AUDIO_SINK", oldSink);
    return figures;
}

} // namespace

TRELVAN_BENCH("media", mediaFigures);

} // namespace trelvan::bench
