#pragma once

// Timing of audio from a command to the first buffer that reaches the sink,
// shared by the player and music desk figures. The sink is a fakesink named
// kSinkName with handoffs, installed through TRELVAN_AUDIO_SINK.

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <gst/gst.h>
#include <utility>

namespace trelvan::bench {

using Clock = std::chrono::steady_clock;

constexpr int kMediaRuns = 9;
inline const char* const kSinkName = "benchsink";

// The sink description that lets FirstBuffer see every rendered buffer.
QByteArray benchSinkDescription();

// Time of the first buffer the sink renders (handoff comes in PLAYING only;
// preroll buffers go to "preroll-handoff").
struct FirstBuffer {
    std::atomic<Clock::rep> at{0};

    void attach(GstElement* pipeline);
    // Milliseconds from `start` to the first buffer; waits up to 10 s for it
    // (-1 when none came).
    double msSince(Clock::time_point start) const;
    bool arrived() const { return at.load() != 0; }

    static void onHandoff(GstElement*, GstBuffer*, GstPad*, gpointer self);
};

// Runs a gst-launch description to its end.
void render(const QString& description);

// Writes about `megabytes` MB of 128 kbit/s CBR MP3 (pink noise).
void renderMp3(const QString& path, double megabytes);

// The floor: playbin on the file with the bench sink, prerolled, then played.
double barePlaybinToFirstBuffer(const QString& path);

// Medians of `measured` and `floor`, run alternately so that both see the same
// machine load and caches, after one warm-up run of each.
std::pair<double, double> measurePair(const std::function<double()>& measured,
                                      const std::function<double()>& floor);

} // namespace trelvan::bench
