// Editing the lists: new list, append, delete, shuffle, and dragging entries
// within a list and from one list into the other.
#include "ListFixture.h"

#include "music/ListRules.h"

#include <QFileInfo>

namespace trelvan::test {
namespace {

class ListEditingTest : public ListFixture {
protected:
    void TearDown() override { setShuffleSeedSource({}); }

    // Songs named "0".."n-1", so an order reads as old indexes.
    static QStringList numbered(int count, const QString& prefix = QStringLiteral("/m/")) {
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << prefix + QString::number(i);
        return list;
    }
    static QStringList order(std::initializer_list<int> indexes) {
        QStringList result;
        for (int i : indexes)
            result << QStringLiteral("/m/") + QString::number(i);
        return result;
    }

    // A point on the entry at `row`; below the last entry for row < 0.
    static QPoint pointOn(const QListWidget* list, int row) {
        if (row >= 0)
            return list->visualItemRect(list->item(row)).center();
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        return {last.center().x(), last.bottom() + 4};
    }

    // Marks both working files, so that a write shows.
    void markWorkingFiles() {
        folder.write(QStringLiteral("hintergrund.ls"), "untouched");
        folder.write(QStringLiteral("pausen.ls"), "untouched");
    }
};

TEST_F(ListEditingTest, NewListReplacesTheEntriesAndAppendKeepsThem) {
    TfrmMusik& d = makeDesk(); // both lists show the hint entry
    const QStringList three = {QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3"),
                               QStringLiteral("/m/c.mp3")};
    dialogs.answerOpenFiles(three);
    d.PlayListerstellen1->trigger();
    EXPECT_EQ(entries(d.backgroundList), three);
    EXPECT_EQ(selected(d.backgroundList), 0);
    EXPECT_EQ(d.Label16->text(), QStringLiteral("3 Songs"));
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), playlistBytes(three));
    EXPECT_EQ(d.BackgroundListFile, folder.file(QStringLiteral("hintergrund.ls")));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title,
              QStringLiteral("Musik auswählen (zur Mehrfachauswahl Strg- oder Shift Taste gedrückt "
                             "halten)"));

    // Append on the break list keeps its hint entry first and writes it.
    const QStringList two = {QStringLiteral("/m/p.mp3"), QStringLiteral("/m/q.mp3")};
    dialogs.answerOpenFiles(two);
    d.anPlayList2anfgen->trigger();
    const QStringList withHint = QStringList{TfrmMusik::hintEntry()} + two;
    EXPECT_EQ(entries(d.breakList), withHint);
    EXPECT_EQ(selected(d.breakList), 0);
    EXPECT_EQ(d.Label17->text(), QStringLiteral("3 Songs"));
    EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), playlistBytes(withHint));
    // The other list is not touched.
    EXPECT_EQ(entries(d.backgroundList), three);
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), playlistBytes(three));
}

TEST_F(ListEditingTest, CancelledSongDialogsChangeNothing) {
    TfrmMusik& d = deskWithLists({QStringLiteral("/m/a.mp3")}, {QStringLiteral("/m/b.mp3")});
    markWorkingFiles();
    for (QAction* action :
         {d.PlayListerstellen1, d.andiePlayListanfgen1, d.PausenMusikladen1, d.anPlayList2anfgen}) {
        dialogs.answerOpenFiles({});
        action->trigger();
    }
    EXPECT_EQ(entries(d.backgroundList), QStringList{QStringLiteral("/m/a.mp3")});
    EXPECT_EQ(entries(d.breakList), QStringList{QStringLiteral("/m/b.mp3")});
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), QByteArray("untouched"));
    EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), QByteArray("untouched"));
    EXPECT_EQ(dialogs.fileRequests.size(), 4u);
}

TEST_F(ListEditingTest, DeleteRemovesTheSelectedEntry) {
    struct Case {
        const char* name;
        QStringList before;
        int select;
        QStringList after;
        int selectedAfter;
    };
    const Case cases[] = {
        {"middle entry", numbered(3), 1, order({0, 2}), 0},
        {"only entry", numbered(1), 0, {}, -1},
        {"nothing selected: nothing removed, still written", numbered(3), -1, numbered(3), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMusik& d = deskWithLists({}, c.before);
        markWorkingFiles();
        d.ListBox2->clearSelection();
        selectEntry(d.ListBox2, c.select);
        d.SongausPlayListloeschen1->trigger();
        EXPECT_EQ(entries(d.breakList), c.after);
        EXPECT_EQ(selected(d.breakList), c.selectedAfter);
        EXPECT_EQ(d.Label17->text(), QStringLiteral("%1 Songs").arg(c.after.size()));
        EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), playlistBytes(c.after));
        EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), QByteArray("untouched"));
    }
}

TEST_F(ListEditingTest, ShuffleUsesTheSeedSelectsTheFirstAndSaves) {
    setShuffleSeedSource([] { return 1718000000u; });
    const QStringList songs = numbered(7);
    QStringList expected = songs;
    shuffleEntries(expected, 1718000000u);
    ASSERT_NE(expected, songs);

    TfrmMusik& d = deskWithLists(songs);
    d.showSongCount(d.backgroundList, 99); // the shuffle leaves the count alone
    selectEntry(d.ListBox1, 4);
    d.mischen->trigger();
    EXPECT_EQ(entries(d.backgroundList), expected);
    EXPECT_EQ(selected(d.backgroundList), 0);
    EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), playlistBytes(expected));
    EXPECT_EQ(d.Label16->text(), QStringLiteral("99 Songs"));
}

TEST_F(ListEditingTest, ShuffleWithTheClockGivesAPermutation) {
    const QStringList songs = numbered(50);
    TfrmMusik& d = deskWithLists({}, songs);
    d.Playlistmischen1->trigger();
    QStringList shuffled = entries(d.breakList);
    EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), playlistBytes(shuffled));
    shuffled.sort();
    QStringList sorted = songs;
    sorted.sort();
    EXPECT_EQ(shuffled, sorted);

    // Short lists stay as they are, and are written all the same.
    for (const QStringList& list : {QStringList{}, numbered(1)}) {
        TfrmMusik& e = deskWithLists({}, list);
        markWorkingFiles();
        e.Playlistmischen1->trigger();
        EXPECT_EQ(entries(e.breakList), list);
        EXPECT_EQ(selected(e.breakList), list.isEmpty() ? -1 : 0);
        EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), playlistBytes(list));
    }
}

TEST_F(ListEditingTest, DragOverAcceptsListEntriesAndMarksTheDropPlace) {
    TfrmMusik& d = deskWithLists(numbered(3), numbered(3, QStringLiteral("/p/")));
    QObject stranger;
    struct Case {
        const char* name;
        QObject* source;
        bool accepted;
    };
    const Case cases[] = {
        {"own list", d.ListBox1, true},
        {"other list", d.ListBox2, true},
        {"something else", &stranger, false},
        {"from another program", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        selectEntry(d.ListBox1, 0);
        bool accept = !c.accepted;
        d.ListBox1DragOver(c.source, pointOn(d.ListBox1, 2), accept);
        EXPECT_EQ(accept, c.accepted);
        EXPECT_EQ(selected(d.backgroundList), 2);
        // Below the last entry the selection stays.
        d.ListBox1DragOver(c.source, pointOn(d.ListBox1, -1), accept);
        EXPECT_EQ(selected(d.backgroundList), 2);
    }
}

// Within a list the dragged entry trades places with the one it is dropped
// on. A changed list is written to its working file and its count set.
TEST_F(ListEditingTest, DropWithinAListExchangesTwoEntries) {
    struct Case {
        const char* name;
        int from;
        int onto; // -1: below the last entry
        QStringList after;
        int selectedAfter;
    };
    const Case cases[] = {
        {"first onto fourth", 0, 3, order({3, 1, 2, 0, 4}), 3},
        {"below the last", 1, -1, order({0, 4, 2, 3, 1}), 4},
        {"the last below the last", 4, -1, numbered(5), 4},
        {"onto itself", 2, 2, numbered(5), 2},
        {"drag began without a selection", -1, 3, numbered(5), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMusik& d = deskWithLists(numbered(5));
        markWorkingFiles();
        d.ListBox1->clearSelection();
        selectEntry(d.ListBox1, c.from);
        d.ListBox1StartDrag(d.ListBox1);
        EXPECT_EQ(d.DragStartIndex, c.from);
        bool accept = false;
        d.ListBox1DragOver(d.ListBox1, pointOn(d.ListBox1, c.onto), accept);
        d.ListBox1DragDrop(d.ListBox1, pointOn(d.ListBox1, c.onto));

        EXPECT_EQ(entries(d.backgroundList), c.after);
        EXPECT_EQ(selected(d.backgroundList), c.selectedAfter);
        if (c.after != numbered(5)) {
            EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), playlistBytes(c.after));
            EXPECT_EQ(d.Label16->text(), QStringLiteral("5 Songs"));
        } else {
            EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), QByteArray("untouched"));
        }
        EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), QByteArray("untouched"));
    }
}

// Between the lists the entry is copied; the source list is not changed and
// not written. The target's count shows its true number at once.
TEST_F(ListEditingTest, DropFromTheOtherListCopiesTheEntry) {
    struct Case {
        const char* name;
        int from; // in the break list
        int onto; // in the background list, -1: below the last entry
        QStringList after;
        int selectedAfter;
    };
    const QString p = QStringLiteral("/p/");
    const QString m = QStringLiteral("/m/");
    const Case cases[] = {
        {"onto the first", 2, 0, QStringList{p + "2"} + numbered(4), 0},
        {"onto the third", 0, 2, QStringList{m + "0", m + "1", p + "0", m + "2", m + "3"}, 2},
        {"below the last", 1, -1, numbered(4) + QStringList{p + "1"}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMusik& d = deskWithLists(numbered(4), numbered(3, p));
        markWorkingFiles();
        selectEntry(d.ListBox2, c.from);
        d.ListBox2StartDrag(d.ListBox2);
        d.ListBox1StartDrag(d.ListBox2); // another list's drag is not this list's
        EXPECT_EQ(d.DragStartIndex, c.from);
        d.ListBox1DragDrop(d.ListBox2, pointOn(d.ListBox1, c.onto));

        EXPECT_EQ(entries(d.backgroundList), c.after);
        EXPECT_EQ(selected(d.backgroundList), c.selectedAfter);
        EXPECT_EQ(d.Label16->text(), QStringLiteral("5 Songs"));
        EXPECT_EQ(folder.read(QStringLiteral("hintergrund.ls")), playlistBytes(c.after));
        EXPECT_EQ(entries(d.breakList), numbered(3, p));
        EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), QByteArray("untouched"));
    }
}

TEST_F(ListEditingTest, DropsThatChangeNothing) {
    TfrmMusik& d = deskWithLists(numbered(2), {});
    markWorkingFiles();
    QObject stranger;
    // A drop from elsewhere, and a copy from a list whose drag had no selection.
    d.ListBox2DragDrop(&stranger, QPoint(5, 5));
    d.ListBox2DragDrop(nullptr, QPoint(5, 5));
    d.DragStartIndex = -1;
    d.ListBox2DragDrop(d.ListBox1, QPoint(5, 5));
    EXPECT_TRUE(entries(d.breakList).isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), QByteArray("untouched"));

    // A copy into the empty list lands below its (absent) last entry.
    selectEntry(d.ListBox1, 1);
    d.ListBox1StartDrag(d.ListBox1);
    d.ListBox2DragDrop(d.ListBox1, QPoint(5, 5));
    EXPECT_EQ(entries(d.breakList), QStringList{QStringLiteral("/m/1")});
    EXPECT_EQ(d.Label17->text(), QStringLiteral("1 Songs"));
    EXPECT_EQ(folder.read(QStringLiteral("pausen.ls")), QByteArray("/m/1\r\n"));
}

} // namespace
} // namespace trelvan::test
