// A cue on the real GStreamer player: a generated half-second MP3 plays to its
// end and the desk returns to idle by itself.
#include "music/Musik.h"
#include "platform/media/Gstreamer.h"
#include "platform/media/Player.h"
#include "support/FakeDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gst/gst.h>
#include <gtest/gtest.h>

namespace trelvan::test {
namespace {

// About 0.46 s of a test tone as MP3 (constant bit rate, so that its length
// is known as soon as it is opened).
bool writeTinyMp3(const QString& path) {
    ensureGstreamer();
    const QString description = QStringLiteral("audiotestsrc num-buffers=20 ! audioconvert ! "
                                               "lamemp3enc target=bitrate bitrate=128 cbr=true ! "
                                               "filesink location=\"%1\"")
                                    .arg(path);
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
        bus, 20 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool ok = end && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS;
    if (end)
        gst_message_unref(end);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    return ok;
}

// Lets events through until `done` holds or the time is up.
template <typename Predicate> bool waitUntil(Predicate done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(10);
    return done();
}

TEST(CueRealPlayerTest, CuePlaysToItsEndAndTheDeskReturnsToIdle) {
    TempProgramFolder folder;
    FakeDialogs dialogs;
    folder.makeFolder(QStringLiteral("songs"));
    const QString song = folder.file(QStringLiteral("songs/tone.mp3"));
    ASSERT_TRUE(writeTinyMp3(song));

    TfrmMusik desk; // with its own two GStreamer players
    desk.CuePath[1] = song;
    desk.btnPlayEinritt->click();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(desk.MediaPlayer1.isOpen());
    EXPECT_FALSE(desk.btnPlayEroeffnung->isEnabled());
    EXPECT_TRUE(desk.btnStopEinritt->isEnabled());
    EXPECT_GT(desk.ProgressBar4->maximum(), 300); // about 460 ms
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("xc2.mp3"))));

    ASSERT_TRUE(waitUntil([&] { return desk.btnPlayEinritt->isEnabled(); }, 10000));
    EXPECT_FALSE(desk.btnStopEinritt->isEnabled());
    EXPECT_FALSE(desk.Timer1->isActive());
    EXPECT_FALSE(desk.ProgressBar4->isVisibleTo(&desk));
    EXPECT_FALSE(desk.MediaPlayer1.isOpen());
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("xc2.mp3"))));
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace trelvan::test
