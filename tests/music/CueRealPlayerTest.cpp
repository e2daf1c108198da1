// A cue on the real GStreamer player: a generated half-second MP3 plays to its
// end and the desk returns to idle by itself.
#include "music/Musik.h"
#include "platform/media/Gstreamer.h"
#include "platform/media/Player.h"
#include "support/FakeDialogs.h"
#include "support/SoundFiles.h"
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

TEST(CueRealPlayerTest, CuePlaysToItsEndAndTheDeskReturnsToIdle) {
    TempProgramFolder folder;
    FakeDialogs dialogs;
    folder.makeFolder(QStringLiteral("songs"));
    const QString song = folder.file(QStringLiteral("songs/tone.mp3"));
    ASSERT_TRUE(writeToneMp3(song, 20));

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
