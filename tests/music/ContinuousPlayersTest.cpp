// The continuous-sound player on a recording player: starting a list, the
// step to the next song, switching lists, stopping, the error report, and
// what happens when songs cannot be played.
#include "ListFixture.h"

#include <QFileInfo>
#include <QSlider>
#include <QTest>

namespace trelvan::test {
namespace {

class ContinuousPlayersTest : public ListFixture {
protected:
    QString set(const QString& path) const { return QStringLiteral("setFileName ") + path; }

    // The calls of one song that follows automatically.
    QStringList stepCalls() const {
        return {QStringLiteral("close"), set(temp()), QStringLiteral("open"),
                QStringLiteral("play"), QStringLiteral("setVolume 100")};
    }

    // Plays `row` of the background list with the Play button.
    void playBackground(TfrmMusik& d, int row) {
        selectEntry(d.ListBox1, row);
        d.btnMediaPlayer2Start->click();
        listPlayer.calls.clear();
    }

    // As the window system sends it: a click, then the double-click event
    // (QTest's double-click alone has no press that selects the entry).
    void doubleClick(QListWidget* list, int row) {
        const QPoint point = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    }
};

TEST_F(ContinuousPlayersTest, PlayStartsTheSelectedEntryFromItsOwnFile) {
    const QStringList songs = {song("a.mp3"), song("b.mp3"), song("c.mp3")};
    TfrmMusik& d = deskWithLists(songs);
    listPlayer.setLength(songs[1], 185000);
    selectEntry(d.ListBox1, 1);

    d.btnMediaPlayer2Start->click();

    EXPECT_EQ(listPlayer.calls,
              (QStringList{set(songs[1]), QStringLiteral("open"), QStringLiteral("play"),
                           QStringLiteral("setVolume 100")}));
    EXPECT_TRUE(listPlayer.isPlaying());
    expectDisplay(d, &d.backgroundList);
    EXPECT_EQ(d.ActiveList, &d.backgroundList);
    EXPECT_EQ(d.NextSongIndex, 2);
    EXPECT_EQ(selected(d.backgroundList), 1);
    EXPECT_EQ(d.ProgressBar1->maximum(), 185000);
    EXPECT_EQ(d.Label8->text(), QStringLiteral("3:05 min."));
    EXPECT_FALSE(QFileInfo::exists(temp())); // a started song plays from its own file
}

TEST_F(ContinuousPlayersTest, PlayWithoutASongToPlayDoesNothing) {
    struct Case {
        const char* name;
        QStringList entries;
        int select;
    };
    const Case cases[] = {
        {"no selection", {song("a.mp3")}, -1},
        {"missing file", {missing("gone.mp3")}, 0},
        {"hint entry", {TfrmMusik::hintEntry()}, 0},
        {"a folder", {folder.path()}, 0},
        {"empty list", {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMusik& d = deskWithLists({}, c.entries);
        d.ListBox2->clearSelection();
        selectEntry(d.ListBox2, c.select);
        d.btnMediaPlayer2PausenMusikStart->click();
        EXPECT_FALSE(listPlayer.calls.contains(QStringLiteral("open")));
        EXPECT_TRUE(dialogs.messages.empty());
        expectDisplay(d, nullptr);
    }
}

TEST_F(ContinuousPlayersTest, EndOfASongStepsOnAndWrapsToTheFirst) {
    const QStringList songs = {song("a.mp3"), song("b.mp3"), song("c.mp3")};
    TfrmMusik& d = deskWithLists(songs);
    d.TrackBarPlayer2->setValue(100);
    playBackground(d, 1);
    listPlayer.setLength(temp(), 90000);

    listPlayer.finishPlay();
    EXPECT_EQ(listPlayer.calls, stepCalls());
    EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("c.mp3"));
    EXPECT_EQ(selected(d.backgroundList), 2);
    EXPECT_EQ(d.NextSongIndex, 3);
    EXPECT_EQ(d.ProgressBar1->maximum(), 90000);
    EXPECT_EQ(d.ProgressBar2->maximum(), 90000);
    EXPECT_EQ(listPlayer.volume(), 100);
    expectDisplay(d, &d.backgroundList);

    listPlayer.finishPlay(); // the last has ended: the first follows
    EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("a.mp3"));
    EXPECT_EQ(selected(d.backgroundList), 0);
    EXPECT_EQ(d.NextSongIndex, 1);
    EXPECT_TRUE(listPlayer.isPlaying());
    expectDisplay(d, &d.backgroundList);
}

TEST_F(ContinuousPlayersTest, AListOfOneSongRepeatsItFromTheWorkingCopy) {
    const QString only = song("only.mp3");
    TfrmMusik& d = deskWithLists({only});
    playBackground(d, 0);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        listPlayer.calls.clear();
        listPlayer.finishPlay();
        EXPECT_EQ(listPlayer.calls, stepCalls());
        EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("only.mp3"));
        EXPECT_EQ(d.NextSongIndex, 1);
    }
}

// Notices that are not the end of a playing song change nothing.
TEST_F(ContinuousPlayersTest, OtherNoticesDoNotStepOn) {
    const QStringList songs = {song("a.mp3"), song("b.mp3")};
    TfrmMusik& d = deskWithLists(songs);
    playBackground(d, 0);
    listPlayer.setPosition(1000); // short of the end
    emit listPlayer.notify();
    d.btnMediaplayer2Stop->click();
    listPlayer.calls.clear();
    listPlayer.finishPlay(); // after Stop
    EXPECT_TRUE(listPlayer.calls.isEmpty());
    EXPECT_EQ(d.NextSongIndex, 1);
    expectDisplay(d, nullptr);
}

TEST_F(ContinuousPlayersTest, DoubleClickSwitchesToTheOtherList) {
    const QStringList background = {song("a.mp3"), song("b.mp3")};
    const QStringList breakMusic = {song("p.mp3"), song("q.mp3"), song("r.mp3")};
    TfrmMusik& d = deskWithLists(background, breakMusic);
    playBackground(d, 0);

    doubleClick(d.ListBox2, 2);

    EXPECT_EQ(listPlayer.calls,
              (QStringList{QStringLiteral("stop"), set(breakMusic[2]), QStringLiteral("open"),
                           QStringLiteral("play"), QStringLiteral("setVolume 100")}));
    expectDisplay(d, &d.breakList);
    EXPECT_EQ(d.ActiveList, &d.breakList);
    EXPECT_EQ(d.NextSongIndex, 3);
    EXPECT_EQ(selected(d.breakList), 2);

    // The break list goes on with its own next song, its first after the last.
    listPlayer.finishPlay();
    EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("p.mp3"));
    EXPECT_EQ(selected(d.breakList), 0);

    // And back, in the list that is not playing.
    doubleClick(d.ListBox1, 1);
    expectDisplay(d, &d.backgroundList);
    EXPECT_EQ(listPlayer.fileName(), background[1]);
}

// A double-click on an entry without a file would only silence the song that
// plays: the music goes on.
TEST_F(ContinuousPlayersTest, DoubleClickOnAMissingSongLeavesTheMusicPlaying) {
    TfrmMusik& d = deskWithLists({song("a.mp3")}, {missing("gone.mp3"), TfrmMusik::hintEntry()});
    playBackground(d, 0);
    for (int row : {0, 1}) {
        doubleClick(d.ListBox2, row);
        EXPECT_TRUE(listPlayer.calls.isEmpty());
        EXPECT_TRUE(listPlayer.isPlaying());
        expectDisplay(d, &d.backgroundList);
        EXPECT_EQ(d.ActiveList, &d.backgroundList);
    }
}

TEST_F(ContinuousPlayersTest, StopThenPlayStartsTheStoppedSongAgain) {
    const QStringList songs = {song("a.mp3"), song("b.mp3"), song("c.mp3")};
    TfrmMusik& d = deskWithLists(songs);
    playBackground(d, 0);
    listPlayer.finishPlay(); // b plays from the working copy
    listPlayer.setPosition(30000);
    d.Timer2Timer();
    ASSERT_EQ(d.ProgressBar1->value(), 30000);
    listPlayer.calls.clear();

    d.btnMediaplayer2Stop->click();
    EXPECT_EQ(listPlayer.calls, QStringList{QStringLiteral("stop")});
    expectDisplay(d, nullptr);
    EXPECT_EQ(d.ProgressBar1->value(), 0);
    EXPECT_EQ(d.ActiveList, &d.backgroundList);
    EXPECT_EQ(selected(d.backgroundList), 1);

    listPlayer.calls.clear();
    d.btnMediaPlayer2Start->click();
    EXPECT_EQ(listPlayer.calls.first(), set(songs[1]));
    EXPECT_EQ(listPlayer.position(), 0);
    expectDisplay(d, &d.backgroundList);
}

TEST_F(ContinuousPlayersTest, TheDisplayCountsDownTheTimeLeft) {
    TfrmMusik& d = deskWithLists({}, {song("p.mp3")});
    listPlayer.setLength(song("p.mp3"), 130000);
    selectEntry(d.ListBox2, 0);
    d.btnMediaPlayer2PausenMusikStart->click();
    listPlayer.setPosition(65000);
    QTRY_COMPARE_WITH_TIMEOUT(d.Label10->text(), QStringLiteral("1:05 min."), 2000);
    EXPECT_EQ(d.Label8->text(), QStringLiteral("1:05 min."));
    EXPECT_EQ(d.ProgressBar2->value(), 65000);
    EXPECT_EQ(d.ProgressBar1->value(), 65000);
}

// A failed play is shown in a "Fehler" box; then the list starts again at its
// selected entry.
TEST_F(ContinuousPlayersTest, AnErrorIsReportedAndTheListStartsAgain) {
    const QStringList songs = {song("a.mp3"), song("b.mp3")};
    TfrmMusik& d = deskWithLists({}, songs);
    selectEntry(d.ListBox2, 1);
    d.btnMediaPlayer2PausenMusikStart->click();
    listPlayer.calls.clear();

    listPlayer.failPlay(kPlayerFailure, QStringLiteral("Fehler bei der Wiedergabe: kein Ton"));

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Fehler bei der Wiedergabe: kein Ton"));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(listPlayer.calls,
              (QStringList{QStringLiteral("stop"), set(songs[1]), QStringLiteral("open"),
                           QStringLiteral("play"), QStringLiteral("setVolume 100")}));
    expectDisplay(d, &d.breakList);
    EXPECT_EQ(d.NextSongIndex, 2);
}

TEST_F(ContinuousPlayersTest, MissingSongsAreSkipped) {
    const QStringList songs = {song("a.mp3"), missing("b.mp3"), missing("c.mp3"), song("d.mp3")};
    TfrmMusik& d = deskWithLists(songs);
    playBackground(d, 0);
    listPlayer.finishPlay();
    EXPECT_EQ(listPlayer.calls, stepCalls());
    EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("d.mp3"));
    EXPECT_EQ(selected(d.backgroundList), 3);
    EXPECT_EQ(d.NextSongIndex, 4);
    // Round the end of the list as well.
    listPlayer.finishPlay();
    EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("a.mp3"));
    expectDisplay(d, &d.backgroundList);
}

// When nothing of the list can be played the music has ended: the desk shows
// it, says why, and never plays an old working copy in place of a song.
TEST_F(ContinuousPlayersTest, AListWithoutAPlayableSongStopsAndSaysSo) {
    struct Case {
        const char* name;
        bool openFails;       // every copy fails to open
        bool removeFirstSong; // the song that played is gone too
        QString message;
    };
    const QString nothing = QStringLiteral(
        "Keiner der Titel der Liste kann abgespielt werden. Die Musik wurde angehalten.");
    const Case cases[] = {
        {"files gone", false, true, nothing},
        {"files do not play", true, false, nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMusik& d = deskWithLists({song("a.mp3"), missing("b.mp3"), TfrmMusik::hintEntry()});
        playBackground(d, 0);
        folder.write(QStringLiteral("temp.mp3"), "an old song");
        if (c.removeFirstSong)
            QFile::remove(song("a.mp3"));
        if (c.openFails)
            listPlayer.failOpen(temp());
        dialogs.messages.clear();

        listPlayer.finishPlay();

        EXPECT_FALSE(listPlayer.isOpen());
        EXPECT_FALSE(listPlayer.calls.contains(QStringLiteral("play")));
        expectDisplay(d, nullptr);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Fehler"));
        if (!c.openFails) {
            EXPECT_FALSE(QFileInfo::exists(temp()));
        }
        // The display has nothing to ask a closed device.
        d.Timer2Timer();
        EXPECT_FALSE(d.Label8->isVisibleTo(&d));
    }
}

TEST_F(ContinuousPlayersTest, AListEmptiedWhilePlayingStopsAtTheEndOfTheSong) {
    TfrmMusik& d = deskWithLists({song("a.mp3")});
    playBackground(d, 0);
    d.SongausPlayListelschen1->trigger();
    EXPECT_TRUE(listPlayer.isPlaying());
    listPlayer.finishPlay();
    expectDisplay(d, nullptr);
    EXPECT_FALSE(listPlayer.isOpen());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Die Liste enthält keine Titel mehr. Die Musik wurde angehalten."));
}

// Editing the playing list goes on without interrupting the song; the next
// song is taken at the index where playing would have continued.
TEST_F(ContinuousPlayersTest, EditingThePlayingListDoesNotInterruptTheSong) {
    const QStringList songs = {song("a.mp3"), song("b.mp3"), song("c.mp3"), song("d.mp3")};
    TfrmMusik& d = deskWithLists(songs);
    playBackground(d, 1);
    selectEntry(d.ListBox1, 0);
    d.SongausPlayListelschen1->trigger(); // b, c, d: index 2 is now d
    dialogs.answerOpenFiles({song("e.mp3")});
    d.andiePlayListanfgen1->trigger();
    EXPECT_TRUE(listPlayer.calls.isEmpty());
    EXPECT_TRUE(listPlayer.isPlaying());
    expectDisplay(d, &d.backgroundList);

    listPlayer.finishPlay();
    EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("d.mp3"));
    listPlayer.finishPlay();
    EXPECT_EQ(folder.read(QStringLiteral("temp.mp3")), QByteArray("e.mp3"));
}

TEST_F(ContinuousPlayersTest, AFileThatCannotBeOpenedIsReportedAndTheDeskStaysIdle) {
    const QString bad = song("bad.mp3");
    TfrmMusik& d = deskWithLists({bad});
    listPlayer.failOpen(bad, QStringLiteral("Die Datei ist keine abspielbare Audiodatei"));
    selectEntry(d.ListBox1, 0);
    d.btnMediaPlayer2Start->click();
    EXPECT_EQ(errorTexts(),
              QStringList{QStringLiteral("Die Datei ist keine abspielbare Audiodatei.")});
    expectDisplay(d, nullptr);
}

} // namespace
} // namespace trelvan::test
