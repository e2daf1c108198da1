// The four show cues: choosing, playing from working copies, the display,
// stopping, restarting and the end of a cue.
#include "MusikFixture.h"

#include "music/CuePlayers.h"
#include "platform/Colours.h"
#include "settings/Settings.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace trelvan::test {
namespace {

class CuePlayersTest : public MusikFixture {
protected:
    // Song files in the program folder's "songs" folder, chosen for the cues.
    QString song(const QString& name, const QByteArray& bytes = "ID3 song") {
        folder.write(QStringLiteral("songs/") + name, bytes);
        return folder.file(QStringLiteral("songs/") + name);
    }

    TfrmMusik& deskWithCues() {
        const QByteArray lines = "Eroeffnung=" + song("open.mp3", "opening").toUtf8() +
                                 "\r\nEinritt=" + song("entry.mp3", "entry").toUtf8() +
                                 "\r\nSieger=" + song("fanfare.mp3", "fanfare").toUtf8() +
                                 "\r\nEhrenrunde=" + song("lap.mp3", "lap").toUtf8() + "\r\n";
        writeMusicSection(lines);
        TfrmMusik& d = makeDesk();
        cuePlayer.calls.clear();
        return d;
    }

    QString copy(int cue) const { return folder.file(QStringLiteral("xc%1.mp3").arg(cue + 1)); }

    // The cue display: idle (playing < 0) or showing cue `playing`.
    void expectDisplay(const TfrmMusik& d, int playing) const {
        for (const CueControls& cue : d.cues) {
            SCOPED_TRACE(cue.index);
            const bool isPlaying = cue.index == playing;
            EXPECT_EQ(cue.play->isEnabled(), playing < 0);
            EXPECT_EQ(cue.stop->isEnabled(), isPlaying);
            EXPECT_EQ(cue.progress->isVisibleTo(&d), isPlaying);
            EXPECT_EQ(cue.time->isVisibleTo(&d), isPlaying);
            EXPECT_EQ(cue.framePanel->palette().color(QPalette::Window),
                      isPlaying ? colours::kRed : colours::kBlue);
            if (playing < 0) {
                EXPECT_EQ(cue.progress->value(), 0);
            }
        }
        EXPECT_EQ(d.Timer1->isActive(), playing >= 0);
    }
};

TEST_F(CuePlayersTest, ChoosingAFileStoresItAtOnce) {
    TfrmMusik& d = makeDesk();
    d.CuePath[2] = QStringLiteral("/old/fanfare.mp3");
    d.FormActivate();
    dialogs.answerOpenFile(QStringLiteral("/shows/new/Sieger Fanfare.mp3"));
    d.btnAuswahlSieger->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, QStringLiteral("MP3 öffnen"));
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, QStringLiteral("/old/"));
    EXPECT_EQ(d.CuePath[2], QStringLiteral("/shows/new/Sieger Fanfare.mp3"));
    EXPECT_EQ(d.edtSieferfanfare->text(), QStringLiteral("Sieger Fanfare.mp3"));
    EXPECT_EQ(readMusicSettings().cuePaths[2], QStringLiteral("/shows/new/Sieger Fanfare.mp3"));
}

TEST_F(CuePlayersTest, CancellingTheDialogChangesNothing) {
    writeMusicSection("Einritt=/a/entry.mp3\r\n");
    const QByteArray before = folder.read(QStringLiteral("trelvan-control.INI"));
    TfrmMusik& d = makeDesk();
    d.FormActivate();
    dialogs.answerOpenFile(std::nullopt);
    d.btnAuswahlEinritt->click();
    EXPECT_EQ(d.CuePath[1], QStringLiteral("/a/entry.mp3"));
    EXPECT_EQ(d.edtEinritt->text(), QStringLiteral("entry.mp3"));
    EXPECT_EQ(folder.read(QStringLiteral("trelvan-control.INI")), before);
}

TEST_F(CuePlayersTest, FailedSaveAfterAChoiceKeepsTheChoice) {
    folder.makeFolder(QStringLiteral("trelvan-control.INI"));
    TfrmMusik& d = makeDesk();
    dialogs.answerOpenFile(QStringLiteral("/x/lap.mp3"));
    d.btnAuswahlEhrenrunde->click();
    EXPECT_EQ(d.CuePath[3], QStringLiteral("/x/lap.mp3"));
    EXPECT_EQ(d.edtEhrenrunde->text(), QStringLiteral("lap.mp3"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("In ")));
}

TEST_F(CuePlayersTest, PlayCopiesOpensPlaysAndShowsTheCue) {
    TfrmMusik& d = deskWithCues();
    d.TrackBarPlayer1->setValue(100);
    cuePlayer.setLength(copy(1), 300000); // five minutes: beyond 16-bit ranges
    d.btnPlayEinritt->click();
    EXPECT_EQ(cuePlayer.calls,
              (QStringList{QStringLiteral("setFileName ") + copy(1), QStringLiteral("open"),
                           QStringLiteral("play"), QStringLiteral("setVolume 100")}));
    EXPECT_EQ(cuePlayer.volume(), 100);
    EXPECT_EQ(folder.read(QStringLiteral("xc2.mp3")), QByteArray("entry"));
    expectDisplay(d, 1);
    EXPECT_EQ(d.ProgressBar4->maximum(), 300000);
    EXPECT_EQ(d.ProgressBar4->value(), 0);
    EXPECT_EQ(d.Label12->text(), QStringLiteral("5:00 min."));
}

TEST_F(CuePlayersTest, PlayWithoutAFileDoesNothing) {
    TfrmMusik& d = makeDesk();
    cuePlayer.calls.clear();
    d.btnPlayEroeffnung->click();
    d.CuePath[0] = folder.file(QStringLiteral("gone.mp3"));
    d.btnPlayEroeffnung->click();
    EXPECT_FALSE(cuePlayer.calls.contains(QStringLiteral("open")));
    EXPECT_TRUE(dialogs.messages.empty());
    expectDisplay(d, -1);
    EXPECT_FALSE(QFileInfo::exists(copy(0)));
}

// A working copy left from an earlier run must never be played in place of a
// cue whose file has gone.
TEST_F(CuePlayersTest, StaleWorkingCopyIsNotPlayedWhenTheCopyFails) {
    TfrmMusik& d = makeDesk();
    folder.write(QStringLiteral("xc3.mp3"), "an old, different song");
    d.CuePath[2] = folder.file(QStringLiteral("missing.mp3"));
    cuePlayer.calls.clear();
    d.btnPlaySieger->click();
    EXPECT_FALSE(cuePlayer.calls.contains(QStringLiteral("open")));
    EXPECT_FALSE(cuePlayer.calls.contains(QStringLiteral("play")));
    EXPECT_FALSE(QFileInfo::exists(copy(2)));
    expectDisplay(d, -1);
}

TEST_F(CuePlayersTest, AFileThatCannotBeOpenedIsReportedAndTheDisplayStaysIdle) {
    TfrmMusik& d = deskWithCues();
    cuePlayer.failOpen(copy(0), QStringLiteral("Die Datei ist keine abspielbare Audiodatei"));
    d.btnPlayEroeffnung->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Die Datei ist keine abspielbare Audiodatei."));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Trelvan-Control"));
    EXPECT_FALSE(cuePlayer.calls.contains(QStringLiteral("play")));
    expectDisplay(d, -1);
    // The copy stays until the next stop or end of a cue.
    EXPECT_TRUE(QFileInfo::exists(copy(0)));
    d.btnStopEroeffnungClick();
    EXPECT_FALSE(QFileInfo::exists(copy(0)));
}

TEST_F(CuePlayersTest, EndOfPlayReturnsToIdleAndDeletesTheCopies) {
    TfrmMusik& d = deskWithCues();
    folder.write(QStringLiteral("xc4.mp3"), "placed by the operator");
    d.btnPlaySieger->click();
    ASSERT_TRUE(QFileInfo::exists(copy(2)));
    cuePlayer.finishPlay();
    expectDisplay(d, -1);
    EXPECT_FALSE(cuePlayer.isOpen());
    for (int cue = 0; cue < kCueCount; ++cue)
        EXPECT_FALSE(QFileInfo::exists(copy(cue))) << cue;
    // The next Play works as before.
    d.btnPlayEhrenrunde->click();
    expectDisplay(d, 3);
}

// A cue so short that it ends while Play lets events through: the desk ends
// idle, not red with a timer ticking over a closed player.
TEST_F(CuePlayersTest, CueThatEndsDuringItsOwnStartLeavesTheDeskIdle) {
    TfrmMusik& d = deskWithCues();
    QTimer::singleShot(0, &cuePlayer, [this] { cuePlayer.finishPlay(); });
    d.btnPlayEinritt->click();
    expectDisplay(d, -1);
    EXPECT_FALSE(cuePlayer.isOpen());
    EXPECT_FALSE(QFileInfo::exists(copy(1)));
}

TEST_F(CuePlayersTest, StopButtonOfThePlayingCueStopsIt) {
    TfrmMusik& d = deskWithCues();
    d.btnPlayEhrenrunde->click();
    EXPECT_FALSE(d.btnStopEroeffnung->isEnabled());
    cuePlayer.calls.clear();
    d.btnStopEhrenrunde->click();
    EXPECT_EQ(cuePlayer.calls, (QStringList{QStringLiteral("stop"), QStringLiteral("close")}));
    expectDisplay(d, -1);
    EXPECT_FALSE(QFileInfo::exists(copy(3)));
}

TEST_F(CuePlayersTest, DoubleClickOnAnEditRestartsThatCue) {
    TfrmMusik& d = deskWithCues();
    d.btnPlayEroeffnung->click();
    cuePlayer.setPosition(42000);
    cuePlayer.calls.clear();
    QTest::mouseDClick(d.edtSieferfanfare, Qt::LeftButton);
    EXPECT_EQ(cuePlayer.calls,
              (QStringList{QStringLiteral("stop"), QStringLiteral("close"),
                           QStringLiteral("setFileName ") + copy(2), QStringLiteral("open"),
                           QStringLiteral("play"), QStringLiteral("setVolume 100")}));
    expectDisplay(d, 2);
    EXPECT_EQ(folder.read(QStringLiteral("xc3.mp3")), QByteArray("fanfare"));
    EXPECT_FALSE(QFileInfo::exists(copy(0)));

    // The playing cue itself starts again from its beginning.
    cuePlayer.setPosition(5000);
    d.edtSieferfanfareDblClick();
    EXPECT_EQ(cuePlayer.position(), 0);
    expectDisplay(d, 2);
}

TEST_F(CuePlayersTest, ANewChoiceDoesNotInterruptThePlayingCue) {
    TfrmMusik& d = deskWithCues();
    d.btnPlayEroeffnung->click();
    cuePlayer.calls.clear();
    dialogs.answerOpenFile(song("other.mp3", "other"));
    d.btnAuswahlEroeffnung->click();
    EXPECT_TRUE(cuePlayer.calls.isEmpty());
    EXPECT_TRUE(cuePlayer.isPlaying());
    expectDisplay(d, 0);
    cuePlayer.finishPlay();
    d.btnPlayEroeffnung->click();
    EXPECT_EQ(folder.read(QStringLiteral("xc1.mp3")), QByteArray("other"));
}

TEST_F(CuePlayersTest, VolumeBarActsAtOnceWhilePlayingAndAtTheNextPlayWhileIdle) {
    TfrmMusik& d = deskWithCues();
    d.TrackBarPlayer1->setValue(250); // idle: nothing to reach
    EXPECT_EQ(cuePlayer.volume(), -1);
    d.btnPlayEinritt->click();
    EXPECT_EQ(cuePlayer.volume(), 250);
    d.TrackBarPlayer1->setValue(900);
    EXPECT_EQ(cuePlayer.volume(), 900);
}

TEST_F(CuePlayersTest, TimerShowsTheRemainingTimeInAllLabels) {
    struct Case {
        qint64 length;
        qint64 position;
        const char* text;
    };
    const Case cases[] = {
        {185432, 12000, "2:53 min."}, {185432, 0, "3:05 min."},  {185432, 185432, "0:00 min."},
        {59999, 0, "0:59 min."},      {600000, 0, "10:00 min."},
    };
    TfrmMusik& d = deskWithCues();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        cuePlayer.setLength(copy(0), c.length);
        d.btnPlayEroeffnung->click();
        cuePlayer.setPosition(c.position);
        d.Timer1Timer();
        for (const CueControls& cue : d.cues)
            EXPECT_EQ(cue.time->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(d.ProgressBar3->value(), c.position);
        EXPECT_EQ(d.Label11->width(), d.Label11->fontMetrics().horizontalAdvance(c.text));
        d.btnStopEroeffnungClick();
    }
}

} // namespace
} // namespace trelvan::test
