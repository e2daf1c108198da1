// The music desk's settings, the restore of its lists, activation, closing
// and the volumes.
#include "MusikFixture.h"

#include "settings/Settings.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace trelvan::test {
namespace {

using MusikSettingsTest = MusikFixture;

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

TEST_F(MusikSettingsTest, FirstStartWithoutSettingsFile) {
    TfrmMusik& d = makeDesk();
    d.FormActivate();
    for (const CueControls& cue : d.cues)
        EXPECT_TRUE(cue.edit->text().isEmpty());
    EXPECT_EQ(d.TrackBarPlayer1->value(), 100);
    EXPECT_EQ(d.TrackBarPlayer2->value(), 100);
    for (const ListControls* list : {&d.backgroundList, &d.breakList}) {
        EXPECT_EQ(entries(list->list), QStringList{TfrmMusik::hintEntry()});
        EXPECT_EQ(list->list->currentRow(), -1);
        EXPECT_EQ(list->count->text(), QStringLiteral("Ges.: 0"));
    }
    EXPECT_FALSE(d.ListPlaying);
    EXPECT_EQ(d.ActiveList, nullptr);
    // The volume handler ran for the position 0 -> 100, with no device to reach.
    EXPECT_EQ(cuePlayer.calls, QStringList{QStringLiteral("setVolume 100")});
    EXPECT_EQ(listPlayer.calls, QStringList{QStringLiteral("setVolume 100")});
    EXPECT_EQ(cuePlayer.volume(), -1);
    EXPECT_FALSE(QFileInfo::exists(folder.settingsFile())); // reading writes nothing
}

TEST_F(MusikSettingsTest, StoredVolumesAreClampedAndWrittenBackClamped) {
    struct Case {
        QByteArray stored;
        int position;
        QStringList handlerCalls; // at construction
    };
    const Case cases[] = {
        {"5000", 1000, {QStringLiteral("setVolume 1000")}},
        {"abc", 100, {QStringLiteral("setVolume 100")}},
        {"", 100, {QStringLiteral("setVolume 100")}},
        {"0x3E8", 1000, {QStringLiteral("setVolume 1000")}},
        {"-7", 0, {}}, // clamped to the position it already has
        {"0", 0, {}},
        {"640", 640, {QStringLiteral("setVolume 640")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.constData());
        cuePlayer.calls.clear();
        listPlayer.calls.clear();
        writeMusicSection("Volumen1=" + c.stored + "\r\nVolumen2=" + c.stored + "\r\n");
        TfrmMusik& d = makeDesk();
        EXPECT_EQ(d.TrackBarPlayer1->value(), c.position);
        EXPECT_EQ(d.TrackBarPlayer2->value(), c.position);
        EXPECT_EQ(cuePlayer.calls, c.handlerCalls);
        EXPECT_EQ(listPlayer.calls, c.handlerCalls);
        d.SaveMusicSettings();
        const MusicSettings saved = readMusicSettings();
        EXPECT_EQ(saved.cueVolume, c.position);
        EXPECT_EQ(saved.listVolume, c.position);
    }
}

TEST_F(MusikSettingsTest, SaveWritesAllEightKeysInOrder) {
    TfrmMusik& d = makeDesk();
    d.CuePath[2] = QStringLiteral("/shows/fanfare.mp3");
    d.TrackBarPlayer1->setValue(300);
    d.TrackBarPlayer2->setValue(750);
    d.BackgroundListFile = QStringLiteral("/old/place/hintergrund.ls");
    d.SaveMusicSettings();
    const QByteArray text = folder.read(QStringLiteral("trelvan-control.INI"));
    const QStringList keys = {"Eroeffnung=",
                              "Einritt=",
                              "Sieger=/shows/fanfare.mp3",
                              "Ehrenrunde=",
                              "Volumen2=750",
                              "Volumen1=300",
                              "HintergrundFileName=/old/place/hintergrund.ls",
                              "PausenFileName="};
    qsizetype last = -1;
    for (const QString& key : keys) {
        SCOPED_TRACE(key.toStdString());
        const qsizetype at = text.indexOf(key.toUtf8());
        ASSERT_GE(at, 0);
        EXPECT_GT(at, last);
        last = at;
    }
}

// Quitting with the desk open or hidden keeps the volumes and the list files:
// the program saves after its message loop, and a new desk takes them up.
TEST_F(MusikSettingsTest, SavedVolumeAndListFileAreRestoredByTheNextDesk) {
    folder.write(QStringLiteral("hintergrund.ls"), "/music/a.mp3\r\n/music/b.mp3\r\n");
    {
        TfrmMusik& d = makeDesk();
        d.show();
        d.TrackBarPlayer2->setValue(640);
        d.TrackBarPlayer1->setValue(20);
        d.BackgroundListFile = folder.file(QStringLiteral("hintergrund.ls"));
        d.hide();
        d.SaveMusicSettings();
    }
    TfrmMusik& next = makeDesk();
    EXPECT_EQ(next.TrackBarPlayer2->value(), 640);
    EXPECT_EQ(next.TrackBarPlayer1->value(), 20);
    EXPECT_EQ(next.BackgroundListFile, folder.file(QStringLiteral("hintergrund.ls")));
    EXPECT_EQ(entries(next.ListBox1),
              (QStringList{QStringLiteral("/music/a.mp3"), QStringLiteral("/music/b.mp3")}));
    EXPECT_EQ(next.ListBox1->currentRow(), 0);
    EXPECT_EQ(next.Label16->text(), QStringLiteral("2 Songs"));
}

TEST_F(MusikSettingsTest, ListsAreRestoredFromTheirWorkingFiles) {
    folder.write(QStringLiteral("hintergrund.ls"), "/m/one.mp3\r\n\r\n/m/three.mp3");
    folder.write(QStringLiteral("pausen.ls"), "");
    writeMusicSection("HintergrundFileName=" + folder.file("hintergrund.ls").toUtf8() +
                      "\r\nPausenFileName=" + folder.file("pausen.ls").toUtf8() + "\r\n");
    TfrmMusik& d = makeDesk();
    EXPECT_EQ(entries(d.ListBox1), (QStringList{QStringLiteral("/m/one.mp3"), QString(),
                                                QStringLiteral("/m/three.mp3")}));
    EXPECT_EQ(d.ListBox1->currentRow(), 0);
    EXPECT_EQ(d.Label16->text(), QStringLiteral("3 Songs"));
    EXPECT_EQ(d.ListBox2->count(), 0);
    EXPECT_EQ(d.ListBox2->currentRow(), -1);
    EXPECT_EQ(d.Label17->text(), QStringLiteral("0 Songs"));
    EXPECT_TRUE(dialogs.messages.empty());
    // The count label grows to the left: its right edge stays where it was.
    EXPECT_EQ(d.Label16->x() + d.Label16->width(), 548 + 34);
    EXPECT_EQ(d.Label17->x() + d.Label17->width(), 548 + 34);
    d.showSongCount(d.backgroundList, 123456);
    EXPECT_EQ(d.Label16->text(), QStringLiteral("123456 Songs"));
    EXPECT_EQ(d.Label16->x() + d.Label16->width(), 548 + 34);
    EXPECT_GT(d.Label16->width(), 34);
}

TEST_F(MusikSettingsTest, MissingWorkingFileKeepsTheHintEntry) {
    writeMusicSection("PausenFileName=" + folder.file("pausen.ls").toUtf8() + "\r\n");
    TfrmMusik& d = makeDesk();
    EXPECT_EQ(entries(d.ListBox2), QStringList{TfrmMusik::hintEntry()});
    EXPECT_EQ(d.Label17->text(), QStringLiteral("Ges.: 0"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(d.BreakListFile, folder.file(QStringLiteral("pausen.ls")));
}

// An unreadable working file is reported and costs only its own list: the
// desk is built, the other list is restored, and nothing overwrites the file.
TEST_F(MusikSettingsTest, UnreadableWorkingFileIsReportedAndTheDeskGoesOn) {
    folder.makeFolder(QStringLiteral("pausen.ls"));
    folder.write(QStringLiteral("hintergrund.ls"), "/m/song.mp3\r\n");
    const QString breakFile = folder.file(QStringLiteral("pausen.ls"));
    writeMusicSection("HintergrundFileName=" + folder.file("hintergrund.ls").toUtf8() +
                      "\r\nPausenFileName=" + breakFile.toUtf8() + "\r\n");
    TfrmMusik& d = makeDesk();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(breakFile));
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Trelvan-Control"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(entries(d.ListBox2), QStringList{TfrmMusik::hintEntry()});
    EXPECT_EQ(d.Label17->text(), QStringLiteral("Ges.: 0"));
    EXPECT_EQ(entries(d.ListBox1), QStringList{QStringLiteral("/m/song.mp3")});
    EXPECT_EQ(d.Label16->text(), QStringLiteral("1 Songs"));

    d.close();
    EXPECT_TRUE(QFileInfo(breakFile).isDir());
    EXPECT_EQ(readMusicSettings().breakListFile, breakFile);
}

TEST_F(MusikSettingsTest, ActivationShowsFileNamesAndStartsDialogsInTheCueFolders) {
    writeMusicSection("Eroeffnung=/shows/open/Fanfare 1.mp3\r\nSieger=/shows/win/sieger.MP3\r\n"
                      "Ehrenrunde=/gone/runde.mp3\r\n");
    TfrmMusik& d = makeDesk();
    EXPECT_TRUE(d.edtEroeffnung->text().isEmpty()); // construction does not fill them
    d.FormActivate();
    EXPECT_EQ(d.edtEroeffnung->text(), QStringLiteral("Fanfare 1.mp3"));
    EXPECT_EQ(d.edtEinritt->text(), QString());
    EXPECT_EQ(d.edtSieferfanfare->text(), QStringLiteral("sieger.MP3"));
    EXPECT_EQ(d.edtEhrenrunde->text(), QStringLiteral("runde.mp3"));
    EXPECT_EQ(d.openDialogEroeffnung.initialFolder, QStringLiteral("/shows/open/"));
    EXPECT_EQ(d.OpenDialogEinritt.initialFolder, QString());
    EXPECT_EQ(d.openDialogsieger.initialFolder, QStringLiteral("/shows/win/"));
    EXPECT_EQ(d.OpenDialogEhrenrunde.initialFolder, QStringLiteral("/gone/"));

    // A path that has gone stays stored and is written back unchanged.
    d.SaveMusicSettings();
    EXPECT_EQ(readMusicSettings().cuePaths[3], QStringLiteral("/gone/runde.mp3"));
}

TEST_F(MusikSettingsTest, ClosingSavesAndOnlyHidesWhileMusicPlays) {
    folder.write(QStringLiteral("song.mp3"), "x");
    writeMusicSection("Einritt=" + folder.file("song.mp3").toUtf8() + "\r\n");
    TfrmMusik& d = makeDesk();
    d.show();
    d.btnPlayEinrittClick();
    d.TrackBarPlayer1->setValue(420);
    cuePlayer.calls.clear();
    EXPECT_TRUE(d.close());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(cuePlayer.isPlaying());
    EXPECT_TRUE(cuePlayer.calls.isEmpty());
    EXPECT_TRUE(d.btnStopEinritt->isEnabled());
    EXPECT_EQ(readMusicSettings().cueVolume, 420);
}

TEST_F(MusikSettingsTest, FailedSaveAtClosingIsReportedAndTheDeskCloses) {
    folder.makeFolder(QStringLiteral("trelvan-control.INI")); // cannot be written
    TfrmMusik& d = makeDesk();
    d.show();
    EXPECT_TRUE(d.close());
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("In %1 kann nicht geschrieben werden.").arg(folder.settingsFile()));
}

TEST_F(MusikSettingsTest, VolumeBarsReachTheirOwnPlayerOnly) {
    TfrmMusik& d = makeDesk();
    cuePlayer.calls.clear();
    listPlayer.calls.clear();
    d.TrackBarPlayer2->setValue(333);
    EXPECT_EQ(listPlayer.calls, QStringList{QStringLiteral("setVolume 333")});
    EXPECT_TRUE(cuePlayer.calls.isEmpty());
    d.TrackBarPlayer1->setValue(2000);
    EXPECT_EQ(cuePlayer.calls, QStringList{QStringLiteral("setVolume 1000")});
}

TEST_F(MusikSettingsTest, SongCountText) {
    TfrmMusik& d = makeDesk();
    EXPECT_EQ(d.SpielZeit1(1), QStringLiteral("1 Songs"));
    EXPECT_EQ(d.SpielZeit1(12), QStringLiteral("12 Songs"));
    EXPECT_EQ(d.SpielZeit1(0), QStringLiteral("0 Songs"));
}

} // namespace
} // namespace trelvan::test
