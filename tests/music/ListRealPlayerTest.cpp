// A list on the real GStreamer player: generated tones play one after the
// other from the working copy, an entry that is no sound file is passed over,
// and after the last the first follows again.
#include "music/ListOperations.h"
#include "music/Musik.h"
#include "platform/media/Gstreamer.h"
#include "platform/media/Player.h"
#include "support/FakeDialogs.h"
#include "support/SoundFiles.h"
#include "support/TempProgramFolder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gst/gst.h>
#include <gtest/gtest.h>

namespace trelvan::test {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ListRealPlayerTest, SongsFollowEachOtherFromTheWorkingCopy) {
    TempProgramFolder folder;
    FakeDialogs dialogs;
    folder.makeFolder(QStringLiteral("songs"));
    const QString first = folder.file(QStringLiteral("songs/first.mp3"));
    const QString second = folder.file(QStringLiteral("songs/second.mp3"));
    ASSERT_TRUE(writeToneMp3(first, 10, 440));
    ASSERT_TRUE(writeToneMp3(second, 10, 660));
    ASSERT_NE(bytesOf(first), bytesOf(second));
    folder.write(QStringLiteral("songs/notes.mp3"), "no sound in here\n");

    TfrmMusik desk; // with its own two GStreamer players
    desk.ListBox1->clear();
    desk.ListBox1->addItems({first, folder.file(QStringLiteral("songs/notes.mp3")), second});
    selectEntry(desk.ListBox1, 0);
    desk.btnMediaPlayer2Start->click();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    ASSERT_TRUE(desk.ListPlaying);
    EXPECT_EQ(desk.MediaPlayer2.fileName(), first);

    // The first plays to its end; the text file is passed over; the second
    // follows from the working copy.
    const QString copy = listWorkingCopy();
    ASSERT_TRUE(waitUntil([&] { return desk.NextSongIndex == 3; }, 10000));
    EXPECT_EQ(desk.MediaPlayer2.fileName(), copy);
    EXPECT_EQ(bytesOf(copy), bytesOf(second));
    EXPECT_EQ(desk.ListBox1->currentRow(), 2);
    EXPECT_TRUE(desk.ListPlaying);
    EXPECT_TRUE(desk.MediaPlayer2.isOpen());
    EXPECT_TRUE(desk.Timer2->isActive());
    EXPECT_GT(desk.ProgressBar1->maximum(), 100);

    // After the last the first follows again.
    ASSERT_TRUE(waitUntil([&] { return desk.NextSongIndex == 1; }, 10000));
    EXPECT_EQ(bytesOf(copy), bytesOf(first));
    EXPECT_EQ(desk.ListBox1->currentRow(), 0);
    EXPECT_TRUE(dialogs.messages.empty());

    desk.btnMediaplayer2Stop->click();
    EXPECT_FALSE(desk.ListPlaying);
    EXPECT_FALSE(desk.Timer2->isActive());
}

} // namespace
} // namespace trelvan::test
