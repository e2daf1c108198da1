// Saving a list under a name of the operator's, loading one, and the working
// files behind both lists.
#include "ListFixture.h"

#include <QFileInfo>

namespace trelvan::test {
namespace {

using PlaylistMenusTest = ListFixture;

const QStringList kThree = {QStringLiteral("/m/one.mp3"), QStringLiteral("/m/zwei Lieder.mp3"),
                            QStringLiteral("/m/drei.mp3")};
const QByteArray kThreeBytes = "/m/one.mp3\r\n/m/zwei Lieder.mp3\r\n/m/drei.mp3\r\n";

TEST_F(PlaylistMenusTest, SaveAsWritesOnlyTheChosenFile) {
    struct Case {
        const char* name;
        std::optional<QString> answer; // relative to the folder; nullopt = cancel
        QString written;               // the file expected, empty = none
    };
    const Case cases[] = {
        {"name without extension gets .lst", QStringLiteral("show"), QStringLiteral("show.lst")},
        {"name with extension stays", QStringLiteral("show.lst"), QStringLiteral("show.lst")},
        {"other extension stays", QStringLiteral("show.txt"), QStringLiteral("show.txt")},
        {"existing file replaced without a question", QStringLiteral("old.lst"),
         QStringLiteral("old.lst")},
        {"cancel", std::nullopt, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMusik& d = deskWithLists(kThree, {QStringLiteral("/m/pause.mp3")});
        selectEntry(d.ListBox1, 1);
        folder.write(QStringLiteral("old.lst"), "/an/old/list.mp3\r\n");
        const QByteArray workingBefore = folder.read(QStringLiteral("hintergrund.ls"));
        dialogs.messages.clear();
        dialogs.fileRequests.clear();
        dialogs.answerSaveFile(c.answer ? std::optional(folder.file(*c.answer)) : std::nullopt);

        d.Listspeichernunter1->trigger();

        ASSERT_EQ(dialogs.fileRequests.size(), 1u);
        EXPECT_EQ(dialogs.fileRequests[0].title,
                  QStringLiteral("Liste speichern unter:  Name eingeben ohne Dateiendung"));
        EXPECT_EQ(dialogs.fileRequests[0].initialFolder, folder.path());
        if (!c.written.isEmpty()) {
            EXPECT_EQ(folder.read(c.written), kThreeBytes);
        }
        EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("show"))));
        EXPECT_TRUE(dialogs.messages.empty());
        // Nothing else changes.
        EXPECT_EQ(entries(d.backgroundList), kThree);
        EXPECT_EQ(selected(d.backgroundList), 1);
        EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), workingBefore);
        EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), QByteArray("/m/pause.mp3\r\n"));
        EXPECT_TRUE(listPlayer.calls.isEmpty());
    }
}

TEST_F(PlaylistMenusTest, LoadReplacesTheListAndRewritesItsWorkingFile) {
    TfrmMusik& d = deskWithLists({QStringLiteral("/m/bg.mp3")}, {QStringLiteral("/m/old.mp3")});
    // LF line ends, an empty line between, no line end after the last line.
    folder.write(QStringLiteral("show.lst"), "/m/a.mp3\n\n/m/c.mp3");
    d.BreakListFile = QStringLiteral("/some/other/place.ls");
    dialogs.answerOpenFile(folder.file(QStringLiteral("show.lst")));

    d.Listeladen2->trigger();

    const QStringList loaded = {QStringLiteral("/m/a.mp3"), QString(), QStringLiteral("/m/c.mp3")};
    EXPECT_EQ(entries(d.breakList), loaded);
    EXPECT_EQ(selected(d.breakList), 0);
    EXPECT_EQ(d.Label17->text(), QStringLiteral("3 Songs"));
    EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), QByteArray("/m/a.mp3\r\n\r\n/m/c.mp3\r\n"));
    EXPECT_EQ(d.BreakListFile, folder.file(QStringLiteral("pausen.ls")));
    // The other list and the chosen file stay as they were.
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), QByteArray("/m/bg.mp3\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("show.lst")), QByteArray("/m/a.mp3\n\n/m/c.mp3"));
    EXPECT_TRUE(listPlayer.calls.isEmpty());

    // Saved and loaded again into the other list: the same entries.
    dialogs.answerSaveFile(folder.file(QStringLiteral("copy")));
    d.Listespeichernunter1->trigger();
    dialogs.answerOpenFile(folder.file(QStringLiteral("copy.lst")));
    d.Listeladen1->trigger();
    EXPECT_EQ(entries(d.backgroundList), loaded);
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")),
              QByteArray("/m/a.mp3\r\n\r\n/m/c.mp3\r\n"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PlaylistMenusTest, LoadingAnEmptyFileEmptiesTheList) {
    TfrmMusik& d = deskWithLists(kThree);
    folder.write(QStringLiteral("empty.lst"), "");
    dialogs.answerOpenFile(folder.file(QStringLiteral("empty.lst")));
    d.Listeladen1->trigger();
    EXPECT_TRUE(entries(d.backgroundList).isEmpty());
    EXPECT_EQ(selected(d.backgroundList), -1);
    EXPECT_EQ(d.Label16->text(), QStringLiteral("0 Songs"));
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("hintergrund.ls"))));
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), QByteArray());
}

TEST_F(PlaylistMenusTest, CancelledLoadChangesNothing) {
    TfrmMusik& d = deskWithLists(kThree);
    dialogs.answerOpenFile(std::nullopt);
    d.Listeladen1->trigger();
    EXPECT_EQ(entries(d.backgroundList), kThree);
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), kThreeBytes);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PlaylistMenusTest, AFileThatCannotBeReadLeavesTheListAsItWas) {
    TfrmMusik& d = deskWithLists(kThree);
    const QString gone = folder.file(QStringLiteral("gone.lst"));
    dialogs.answerOpenFile(gone);
    d.Listeladen1->trigger();
    EXPECT_EQ(entries(d.backgroundList), kThree);
    EXPECT_EQ(d.Label16->text(), QStringLiteral("3 Songs"));
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), kThreeBytes);
    EXPECT_EQ(errorTexts(),
              QStringList{QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(gone)});
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Trelvan-Control"));
}

// A working file that cannot be written is reported; the list on screen keeps
// what the operator did, and the steps after the write are left out.
TEST_F(PlaylistMenusTest, AWorkingFileThatCannotBeWrittenIsReportedAndTheListKeepsItsEntries) {
    TfrmMusik& d = deskWithLists(kThree, {QStringLiteral("/m/p.mp3")});
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("pausen.ls"))));
    folder.makeFolder(QStringLiteral("pausen.ls"));
    const QString working = folder.file(QStringLiteral("pausen.ls"));
    const QString failure = QStringLiteral("Datei %1 kann nicht erstellt werden.").arg(working);

    folder.write(QStringLiteral("show.lst"), kThreeBytes);
    dialogs.answerOpenFile(folder.file(QStringLiteral("show.lst")));
    d.Listeladen2->trigger();
    EXPECT_EQ(entries(d.breakList), kThree);
    EXPECT_EQ(d.Label17->text(), QStringLiteral("1 Songs")); // left out after the failure
    EXPECT_EQ(d.BreakListFile, working);
    EXPECT_EQ(errorTexts(), QStringList{failure});

    dialogs.answerOpenFiles({QStringLiteral("/m/four.mp3")});
    d.anPlayList2anfgen->trigger();
    EXPECT_EQ(entries(d.breakList), kThree + QStringList{QStringLiteral("/m/four.mp3")});
    EXPECT_EQ(errorTexts(), (QStringList{failure, failure}));
    EXPECT_TRUE(QFileInfo(working).isDir());
    // The other list is not concerned.
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), kThreeBytes);
}

TEST_F(PlaylistMenusTest, SaveAsToAnUnwritablePlaceIsReported) {
    TfrmMusik& d = deskWithLists(kThree);
    folder.makeFolder(QStringLiteral("taken.lst"));
    dialogs.answerSaveFile(folder.file(QStringLiteral("taken.lst")));
    d.Listspeichernunter1->trigger();
    EXPECT_EQ(errorTexts(), QStringList{QStringLiteral("Datei %1 kann nicht erstellt werden.")
                                            .arg(folder.file(QStringLiteral("taken.lst")))});
    EXPECT_EQ(entries(d.backgroundList), kThree);
}

} // namespace
} // namespace trelvan::test
