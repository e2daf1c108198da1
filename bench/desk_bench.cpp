// The music desk's share of the budget table: a cue's Play click, and the step
// from the end of a song to the next song of a list, each to the first buffer
// at the sink, against a bare playbin opening and playing the same file.
#include "Bench.h"
#include "BenchSupport.h"
#include "MediaTiming.h"

#include "music/ListOperations.h"
#include "music/Musik.h"
#include "platform/Dialogs.h"
#include "platform/FileCopy.h"
#include "platform/ProgramFolder.h"
#include "platform/media/Gstreamer.h"
#include "platform/media/MediaPlayer.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>

namespace trelvan::bench {
namespace {

// The real player, with a first-buffer watch put on each play it starts and
// the time of each end notice noted.
class WatchedPlayer final : public Player {
public:
    WatchedPlayer() {
        connect(&inner_, &Player::notify, this, [this] {
            notifiedAt = Clock::now();
            emit notify();
        });
    }

    FirstBuffer* watch = nullptr; // set by the figure before the command
    Clock::time_point notifiedAt;

    void setFileName(const QString& path) override { inner_.setFileName(path); }
    QString fileName() const override { return inner_.fileName(); }
    void open() override { inner_.open(); }
    void play() override {
        if (watch)
            watch->attach(inner_.pipeline());
        inner_.play();
    }
    void stop() override { inner_.stop(); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    int deviceId() const override { return inner_.deviceId(); }
    qint64 length() const override { return inner_.length(); }
    qint64 trackLength() const override { return inner_.trackLength(); }
    qint64 position() const override { return inner_.position(); }
    int error() const override { return inner_.error(); }
    QString errorMessage() const override { return inner_.errorMessage(); }
    void setVolume(int volume) override { inner_.setVolume(volume); }

private:
    MediaPlayer inner_;
};

template <typename Predicate> bool processUntil(Predicate done) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!done() && Clock::now() < deadline) {
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    return done();
}

std::vector<Figure> deskFigures() {
    ensureGstreamer();
    const QByteArray oldSink = qgetenv("TRELVAN_AUDIO_SINK");
    qputenv("TRELVAN_AUDIO_SINK", benchSinkDescription());
    QuietDialogs silent;
    setDialogs(&silent);
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    setExecutableFileName(QStringLiteral("trelvan-control"));
    const QString song = dir.filePath(QStringLiteral("song.mp3"));
    renderMp3(song, 5.1);
    const QString shortSong = dir.filePath(QStringLiteral("short.mp3"));
    render(
        QStringLiteral("audiotestsrc num-buffers=8 ! audioconvert ! "
                       "lamemp3enc target=bitrate bitrate=128 cbr=true ! filesink location=\"%1\"")
            .arg(shortSong));

    WatchedPlayer cuePlayer;
    WatchedPlayer listPlayer;
    TfrmMusik desk(cuePlayer, listPlayer);
    desk.CuePath[0] = song;

    const auto cueClick = [&] {
        FirstBuffer first;
        cuePlayer.watch = &first;
        const Clock::time_point start = Clock::now();
        desk.btnPlayEroeffnungClick();
        const double ms = first.msSince(start);
        cuePlayer.watch = nullptr;
        desk.btnStopEroeffnungClick();
        return ms;
    };
    const auto [cue, cueFloor] =
        measurePair(cueClick, [&] { return barePlaybinToFirstBuffer(song); });

    // A short song, then the 5 MB song from the working copy "temp.mp3".
    replaceListEntries(desk.ListBox1, {shortSong, song});
    const auto nextSong = [&] {
        selectEntry(desk.ListBox1, 0);
        desk.btnMediaPlayer2StartClick();
        FirstBuffer first;
        listPlayer.watch = &first;
        processUntil([&] { return desk.NextSongIndex == 2 && first.arrived(); });
        const double ms = first.msSince(listPlayer.notifiedAt);
        listPlayer.watch = nullptr;
        desk.btnMediaplayer2StopClick();
        return ms;
    };
    const auto [next, nextFloor] =
        measurePair(nextSong, [&] { return barePlaybinToFirstBuffer(song); });

    // The working copy is part of the behaviour but not of the floor.
    const QString copyTarget = dir.filePath(QStringLiteral("copy.mp3"));
    const double copyMs = medianMs(kMediaRuns, [&] { copyReplacing(song, copyTarget); });
    const QString copyNote =
        QStringLiteral(" (the 5 MB copy alone takes %1 ms)").arg(copyMs, 0, 'f', 1);

    setDialogs(nullptr);
    qputenv("TRELVAN_AUDIO_SINK", oldSink);
    std::vector<Figure> figures;
    figures.push_back({QStringLiteral("cue Play click to first buffer (5 MB MP3, copy included)"),
                       cue, cueFloor, QStringLiteral("ms"), 1.3,
                       QStringLiteral("the desk's Play handler: copy to xc1.mp3, open, play, "
                                      "display; vs bare playbin open + play of the same file") +
                           copyNote,
                       false, 0});
    figures.push_back({QStringLiteral("end of a song to first buffer of the next (list)"), next,
                       nextFloor, QStringLiteral("ms"), 1.3,
                       QStringLiteral("from the player's end notice through closing the song, "
                                      "the copy to temp.mp3, open and play; vs bare playbin "
                                      "open + play") +
                           copyNote,
                       false, 0});
    return figures;
}

} // namespace

TRELVAN_BENCH("desk", deskFigures);

} // namespace trelvan::bench
