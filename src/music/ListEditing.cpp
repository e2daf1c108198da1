// Editing the two continuous-sound lists: the first four entries of their
// pop-up menus (new list, append, delete song, shuffle) and dragging entries
// within a list (exchange) and from one list into the other (copy).
//
// Editing never touches the player: a list that plays goes on with the song
// at NextSongIndex of its edited entries.
#include "music/ListOperations.h"
#include "music/ListRules.h"
#include "music/Musik.h"
#include "platform/Dialogs.h"

#include <QListWidget>

#include <optional>

namespace trelvan {

namespace {

class ListEditor {
public:
    explicit ListEditor(TfrmMusik& desk) : d(desk) {}

    void newList(ListControls& list) {
        const QStringList paths = dialogs().openFiles(*list.songDialog);
        if (paths.isEmpty())
            return;
        replaceListEntries(list.list, paths);
        finishEdit(list);
    }

    // Nothing is removed: a hint entry still in the list stays first.
    void append(ListControls& list) {
        const QStringList paths = dialogs().openFiles(*list.songDialog);
        if (paths.isEmpty())
            return;
        list.list->setUpdatesEnabled(false);
        list.list->addItems(paths);
        list.list->setUpdatesEnabled(true);
        finishEdit(list);
    }

    // Without a selected entry nothing is removed, but the count and the
    // working file are refreshed all the same.
    void deleteSong(ListControls& list) {
        const int row = selectedIndex(list.list);
        if (row >= 0)
            delete list.list->takeItem(row);
        finishEdit(list);
    }

    // The number of entries does not change, so the count stays as it is.
    void shuffle(ListControls& list) {
        QStringList entries = listEntries(list.list);
        shuffleEntries(entries, nextShuffleSeed());
        replaceListEntries(list.list, entries);
        selectFirstEntry(list.list);
        d.SaveWorkingList(list);
    }

    void startDrag(ListControls& list, QObject* sender) {
        if (sender == list.list)
            d.DragStartIndex = selectedIndex(list.list);
    }

    // Entries of either list may be dropped on either list; the selection
    // follows the mouse and marks where the drop would land.
    void dragOver(ListControls& list, QObject* source, const QPoint& position, bool& accept) {
        accept = source == d.ListBox1 || source == d.ListBox2;
        if (const int row = entryAt(list, position).value_or(-1); row >= 0)
            selectEntry(list.list, row);
    }

    void drop(ListControls& list, QObject* source, const QPoint& position) {
        const std::optional<int> target = entryAt(list, position);
        QStringList entries = listEntries(list.list);
        DropResult result;
        if (source == list.list) {
            const int from = d.DragStartIndex;
            result = dropWithin(entries, from, target);
            if (!result.changed)
                return;
            list.list->item(from)->setText(entries.at(from));
            list.list->item(result.selectIndex)->setText(entries.at(result.selectIndex));
        } else if (ListControls& second = other(list); source == second.list) {
            result = dropCopy(entries, listEntries(second.list), d.DragStartIndex, target);
            if (!result.changed)
                return;
            list.list->insertItem(result.selectIndex, entries.at(result.selectIndex));
        } else {
            return;
        }
        selectEntry(list.list, result.selectIndex);
        // A changed list is kept like any other edit, so that the next start
        // of the program finds it as shown.
        d.showSongCount(list, list.list->count());
        d.SaveWorkingList(list);
    }

private:
    // Count, selection and working file after an edit of the menu.
    void finishEdit(ListControls& list) {
        d.showSongCount(list, list.list->count());
        selectFirstEntry(list.list);
        d.SaveWorkingList(list);
    }

    ListControls& other(ListControls& list) {
        return &list == &d.backgroundList ? d.breakList : d.backgroundList;
    }

    // The entry under a point of the list's viewport; none below the last.
    static std::optional<int> entryAt(const ListControls& list, const QPoint& position) {
        if (const QListWidgetItem* item = list.list->itemAt(position))
            return list.list->row(item);
        return std::nullopt;
    }

    TfrmMusik& d;
};

} // namespace

void TfrmMusik::PlayListerstellen1Click() {
    ListEditor(*this).newList(backgroundList);
}
void TfrmMusik::andiePlayListanfgen1Click() {
    ListEditor(*this).append(backgroundList);
}
void TfrmMusik::SongausPlayListelschen1Click() {
    ListEditor(*this).deleteSong(backgroundList);
}
void TfrmMusik::mischenClick() {
    ListEditor(*this).shuffle(backgroundList);
}
void TfrmMusik::PausenMusikladen1Click() {
    ListEditor(*this).newList(breakList);
}
void TfrmMusik::anPlayList2anfgenClick() {
    ListEditor(*this).append(breakList);
}
void TfrmMusik::SongausPlayListloeschen1Click() {
    ListEditor(*this).deleteSong(breakList);
}
void TfrmMusik::Playlistmischen1Click() {
    ListEditor(*this).shuffle(breakList);
}

void TfrmMusik::ListBox1StartDrag(QObject* sender) {
    ListEditor(*this).startDrag(backgroundList, sender);
}
void TfrmMusik::ListBox1DragOver(QObject* source, const QPoint& position, bool& accept) {
    ListEditor(*this).dragOver(backgroundList, source, position, accept);
}
void TfrmMusik::ListBox1DragDrop(QObject* source, const QPoint& position) {
    ListEditor(*this).drop(backgroundList, source, position);
}
void TfrmMusik::ListBox2StartDrag(QObject* sender) {
    ListEditor(*this).startDrag(breakList, sender);
}
void TfrmMusik::ListBox2DragOver(QObject* source, const QPoint& position, bool& accept) {
    ListEditor(*this).dragOver(breakList, source, position, accept);
}
void TfrmMusik::ListBox2DragDrop(QObject* source, const QPoint& position) {
    ListEditor(*this).drop(breakList, source, position);
}

} // namespace trelvan
