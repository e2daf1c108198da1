// The player's share of the budget table: from the command to the first audio
// buffer at the sink, through the program's player against a bare playbin on
// the same file.
#include "Bench.h"
#include "MediaTiming.h"

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

std::vector<Figure> mediaFigures() {
    ensureGstreamer();
    const QByteArray oldSink = qgetenv("TRELVAN_AUDIO_SINK");
    qputenv("TRELVAN_AUDIO_SINK", benchSinkDescription());

    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("song.mp3"));
    renderMp3(song, 5.1);
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
