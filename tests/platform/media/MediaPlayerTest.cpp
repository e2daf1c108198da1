#include "MediaFiles.h"

#include "platform/Exceptions.h"
#include "platform/media/MediaPlayer.h"

#include <QElapsedTimer>
#include <gst/gst.h>
#include <gtest/gtest.h>

namespace trelvan::test {
namespace {

// Counts a player's notices and what the player said at each.
struct NoticeLog {
    explicit NoticeLog(MediaPlayer& player) {
        QObject::connect(&player, &Player::notify, [this, &player] {
            ++count;
            position = player.position();
            trackLength = player.trackLength();
            error = player.error();
        });
    }
    int count = 0;
    qint64 position = -1;
    qint64 trackLength = -1;
    int error = -1;
};

double volumeProperty(const MediaPlayer& player) {
    gdouble volume = -1;
    g_object_get(player.pipeline(), "volume", &volume, nullptr);
    return volume;
}

struct SongCase {
    const char* name;
    QString MediaFiles::*file;
    qint64 expectedMs; // the sound's real duration
    int lowestPercent; // of expectedMs that the length after open may read
};

class PlaysToTheEnd : public ::testing::TestWithParam<SongCase> {};

// Songs with and without a duration known at open: the length is never 0, and
// at the notice the position equals the track length.
TEST_P(PlaysToTheEnd, OneNoticeWithPositionAtTrackLength) {
    const SongCase& song = GetParam();
    MediaPlayer player;
    NoticeLog notices(player);
    player.setFileName(MediaFiles::get().*song.file);
    player.open();

    EXPECT_TRUE(player.isOpen());
    EXPECT_GT(player.deviceId(), 0);
    EXPECT_EQ(player.error(), 0);
    EXPECT_EQ(player.position(), 0);
    // Estimated lengths (file size / bit rate of the first frames) may be well
    // off for a tiny VBR file, but they are never 0.
    EXPECT_GE(player.length(), song.expectedMs * song.lowestPercent / 100);
    EXPECT_LE(player.length(), song.expectedMs * 14 / 10 + 100);
    EXPECT_EQ(player.trackLength(), player.length());

    player.play();
    ASSERT_TRUE(waitUntil([&] { return notices.count > 0; }));
    pumpEvents(200);
    EXPECT_EQ(notices.count, 1);
    EXPECT_EQ(notices.error, 0);
    EXPECT_GT(notices.trackLength, 0);
    EXPECT_EQ(notices.position, notices.trackLength);
    EXPECT_EQ(player.position(), player.trackLength());
    EXPECT_EQ(player.length(), player.trackLength());

    // A play from the end ends at once, again with exactly one notice.
    player.play();
    ASSERT_TRUE(waitUntil([&] { return notices.count > 1; }));
    pumpEvents(200);
    EXPECT_EQ(notices.count, 2);
    EXPECT_EQ(player.position(), player.trackLength());
}

INSTANTIATE_TEST_SUITE_P(Songs, PlaysToTheEnd,
                         ::testing::Values(SongCase{"Cbr", &MediaFiles::cbrMp3, 400, 95},
                                           SongCase{"VbrWithoutXing", &MediaFiles::vbrMp3, 500, 40},
                                           SongCase{"Mpeg25", &MediaFiles::mpeg25Mp3, 500, 80},
                                           SongCase{"Wav", &MediaFiles::wav, 400, 95}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MediaPlayer, StopHaltsKeepsDeviceAndPositionWithoutNoticeAndPlayResumes) {
    MediaPlayer player;
    NoticeLog notices(player);
    player.setFileName(MediaFiles::get().longWav);
    player.open();
    player.play();
    ASSERT_TRUE(waitUntil([&] { return player.position() >= 600; }));
    player.stop();

    const qint64 stoppedAt = player.position();
    EXPECT_TRUE(player.isOpen());
    EXPECT_GT(player.deviceId(), 0);
    pumpEvents(1200); // longer than the rest of the sound
    EXPECT_EQ(notices.count, 0);
    EXPECT_EQ(player.position(), stoppedAt);

    QElapsedTimer resumed;
    resumed.start();
    player.play();
    ASSERT_TRUE(waitUntil([&] { return notices.count > 0; }));
    EXPECT_LT(resumed.elapsed(), 1300); // the rest, not the whole 1.5 s
    EXPECT_EQ(notices.position, notices.trackLength);
}

enum class CutOff { Stop, CloseAndOpen, Open };

class CutOffPlay : public ::testing::TestWithParam<CutOff> {};

// The old play has reached its end and its notice is already queued when
// the play is cut off; the new play must end with exactly one notice, its own.
TEST_P(CutOffPlay, QueuedNoticeIsDroppedAndNewPlayGetsOnlyItsOwn) {
    MediaPlayer player;
    NoticeLog notices(player);
    player.setFileName(MediaFiles::get().cbrMp3);
    player.open();
    player.play();
    QThread::msleep(900); // the end is reached; its notice waits in the queue

    switch (GetParam()) {
    case CutOff::Stop:
        player.stop();
        break;
    case CutOff::CloseAndOpen:
        player.close();
        player.open();
        break;
    case CutOff::Open:
        player.open();
        break;
    }
    QElapsedTimer sinceNewPlay;
    sinceNewPlay.start();
    player.play();
    ASSERT_TRUE(waitUntil([&] { return notices.count > 0; }));
    const qint64 firstNoticeAfter = sinceNewPlay.elapsed();
    pumpEvents(300);
    EXPECT_EQ(notices.count, 1);
    EXPECT_EQ(notices.position, notices.trackLength);
    if (GetParam() != CutOff::Stop) { // a fresh open plays the whole 0.4 s again
        EXPECT_GE(firstNoticeAfter, 300);
    }
}

std::string cutOffName(const ::testing::TestParamInfo<CutOff>& info) {
    switch (info.param) {
    case CutOff::Stop:
        return "Stop";
    case CutOff::CloseAndOpen:
        return "CloseAndOpen";
    case CutOff::Open:
        break;
    }
    return "Open";
}

INSTANTIATE_TEST_SUITE_P(Ways, CutOffPlay,
                         ::testing::Values(CutOff::Stop, CutOff::CloseAndOpen, CutOff::Open),
                         cutOffName);

TEST(MediaPlayer, CloseReleasesDeviceAndCutsOffPlayWithoutNotice) {
    MediaPlayer player;
    NoticeLog notices(player);
    player.setFileName(MediaFiles::get().cbrMp3);
    player.open();
    const int firstId = player.deviceId();
    player.open(); // reopening closes the device first
    EXPECT_GT(player.deviceId(), 0);
    EXPECT_NE(player.deviceId(), firstId);

    player.play();
    player.close();
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.deviceId(), 0);
    EXPECT_EQ(player.length(), 0);
    EXPECT_EQ(player.position(), 0);
    pumpEvents(700);
    EXPECT_EQ(notices.count, 0);
    player.close(); // nothing open: nothing happens
    EXPECT_EQ(player.error(), 0);
}

TEST(MediaPlayer, WithoutDeviceStopAndVolumeDoNothingAndPlayFails) {
    MediaPlayer player;
    player.stop();
    player.setVolume(500);
    EXPECT_EQ(player.error(), 0);
    try {
        player.play();
        FAIL() << "play without a device";
    } catch (const EMCIDeviceError& error) {
        EXPECT_EQ(player.error(), kPlayerNoDevice);
        EXPECT_EQ(str(error.message()), str(player.errorMessage()));
    }
    // The volume asked for without a device is not kept for the next medium.
    player.setFileName(MediaFiles::get().cbrMp3);
    player.open();
    EXPECT_EQ(player.error(), 0);
    EXPECT_DOUBLE_EQ(volumeProperty(player), 1.0);
}

struct OpenFailure {
    const char* name;
    QString MediaFiles::*file;
    int code;
    const char* text; // with %1 for the path
};

class FailingOpen : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(FailingOpen, ThrowsGermanTextSetsErrorAndLeavesNoDevice) {
    const OpenFailure& failure = GetParam();
    const QString path = MediaFiles::get().*failure.file;
    MediaPlayer player;
    player.setFileName(MediaFiles::get().cbrMp3);
    player.open(); // an open device is closed by the failing open too

    player.setFileName(path);
    try {
        player.open();
        FAIL() << "open of " << qPrintable(path) << " succeeded";
    } catch (const EMCIDeviceError& error) {
        EXPECT_EQ(str(error.message()), str(QString::fromUtf8(failure.text).arg(path)));
        EXPECT_EQ(str(player.errorMessage()), str(error.message()));
    }
    EXPECT_EQ(player.error(), failure.code);
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.deviceId(), 0);
    EXPECT_EQ(player.length(), 0);

    // The next successful command clears the error.
    player.setFileName(MediaFiles::get().wav);
    player.open();
    EXPECT_EQ(player.error(), 0);
    EXPECT_TRUE(player.errorMessage().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, FailingOpen,
    ::testing::Values(OpenFailure{"TextNamedMp3", &MediaFiles::textMp3, kPlayerNotPlayable,
                                  "Die Datei %1 ist keine abspielbare Audiodatei."},
                      OpenFailure{"TruncatedMp3", &MediaFiles::truncatedMp3, kPlayerNotPlayable,
                                  "Die Datei %1 ist keine abspielbare Audiodatei."},
                      OpenFailure{"Missing", &MediaFiles::missing, kPlayerFileNotFound,
                                  "Die Datei %1 wurde nicht gefunden."},
                      OpenFailure{"Folder", &MediaFiles::folder, kPlayerFileNotFound,
                                  "Die Datei %1 wurde nicht gefunden."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MediaPlayer, UnusableAudioOutputFailsOpen) {
    const ScopedEnvironment sink("TRELVAN_AUDIO_SINK", "nosuchsinkelement");
    MediaPlayer player;
    player.setFileName(MediaFiles::get().cbrMp3);
    try {
        player.open();
        FAIL() << "open without audio output";
    } catch (const EMCIDeviceError& error) {
        EXPECT_EQ(str(error.message()), "Keine Audioausgabe verfügbar.");
    }
    EXPECT_EQ(player.error(), kPlayerNoAudioOutput);
    EXPECT_FALSE(player.isOpen());
}

struct PlayError {
    const char* name;
    bool fromSink;
    const char* message;
    const char* expected;
};

class ErrorDuringPlay : public ::testing::TestWithParam<PlayError> {};

// An ERROR on the bus ends the play with one notice that carries the error;
// the next play clears it.
TEST_P(ErrorDuringPlay, EndsPlayWithOneNoticeAndTheErrorText) {
    const PlayError& row = GetParam();
    MediaPlayer player;
    NoticeLog notices(player);
    player.setFileName(MediaFiles::get().longWav);
    player.open();
    player.play();

    GstElement* source = player.pipeline();
    if (row.fromSink) {
        g_object_get(player.pipeline(), "audio-sink", &source, nullptr);
        gst_object_unref(source); // still owned by the pipeline
    }
    GError* error = g_error_new_literal(GST_CORE_ERROR, GST_CORE_ERROR_FAILED, row.message);
    gst_element_post_message(player.pipeline(),
                             gst_message_new_error(GST_OBJECT(source), error, nullptr));
    g_error_free(error);

    ASSERT_TRUE(waitUntil([&] { return notices.count > 0; }));
    pumpEvents(1700); // past the sound's end: the failed play gives no second notice
    EXPECT_EQ(notices.count, 1);
    EXPECT_GT(notices.error, 0);
    EXPECT_EQ(str(player.errorMessage()), row.expected);
    EXPECT_TRUE(player.isOpen());

    player.play();
    EXPECT_EQ(player.error(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorDuringPlay,
    ::testing::Values(PlayError{"WithText", false, "Interner Datenstromfehler",
                                "Fehler bei der Wiedergabe: Interner Datenstromfehler"},
                      PlayError{"WithoutText", false, "", "Unbekannter Fehler-Code"},
                      PlayError{"FromAudioOutput", true, "Device busy",
                                "Keine Audioausgabe verfügbar."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MediaPlayer, TwoPlayersPlayTogetherAndStopOnlyTheirOwn) {
    MediaPlayer cue;
    MediaPlayer list;
    MediaPlayer third;
    NoticeLog cueNotices(cue);
    NoticeLog listNotices(list);
    NoticeLog thirdNotices(third);
    cue.setFileName(MediaFiles::get().cbrMp3);
    list.setFileName(MediaFiles::get().wav);
    third.setFileName(MediaFiles::get().longWav);
    cue.open();
    list.open();
    third.open();
    EXPECT_NE(cue.deviceId(), list.deviceId());

    third.play();
    cue.play();
    list.play();
    third.stop();
    ASSERT_TRUE(waitUntil([&] { return cueNotices.count > 0 && listNotices.count > 0; }));
    pumpEvents(200);
    EXPECT_EQ(cueNotices.count, 1);
    EXPECT_EQ(listNotices.count, 1);
    EXPECT_EQ(thirdNotices.count, 0);
    EXPECT_EQ(cue.position(), cue.trackLength());
    EXPECT_EQ(list.position(), list.trackLength());
}

struct VolumeCase {
    int volume;
    double gain;
};

TEST(MediaPlayer, VolumeAppliesToTheOpenMediumOnlyOnACubicCurve) {
    MediaPlayer player;
    player.setFileName(MediaFiles::get().cbrMp3);
    player.open();
    for (const VolumeCase& row :
         {VolumeCase{0, 0.0}, VolumeCase{500, 0.125}, VolumeCase{100, 0.001}, VolumeCase{1000, 1.0},
          VolumeCase{1500, 1.0}, VolumeCase{-3, 0.0}}) {
        player.setVolume(row.volume);
        EXPECT_NEAR(volumeProperty(player), row.gain, 1e-9) << "volume " << row.volume;
    }
    player.setVolume(500);
    player.open(); // a new medium starts at full volume
    EXPECT_DOUBLE_EQ(volumeProperty(player), 1.0);
}

} // namespace
} // namespace trelvan::test
