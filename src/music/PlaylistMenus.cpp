// The working files of the two lists and the last two entries of their
// pop-up menus: save a list under a name of the operator's and load one.
#include "music/ListOperations.h"
#include "music/Musik.h"
#include "music/PlaylistFile.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"

#include <QListWidget>

namespace trelvan {

namespace {

// The save dialog adds ".lst" to a name typed without extension; the same
// rule is applied here, so the file gets it whatever dialog answered.
QString withListExtension(const QString& path) {
    if (fileNamePart(path).contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".lst");
}

class PlaylistMenus {
public:
    explicit PlaylistMenus(TfrmMusik& desk) : d(desk) {}

    // Writes only the chosen file: list, selection, working file and player
    // stay as they are.
    void saveAs(ListControls& list) {
        const std::optional<QString> path = dialogs().saveFile(d.SaveDialog1);
        if (!path || path->isEmpty())
            return;
        writePlaylist(withListExtension(*path), listEntries(list.list));
    }

    // A file that cannot be read leaves the list as it was.
    void load(ListControls& list) {
        const std::optional<QString> path = dialogs().openFile(d.OpenDialog1);
        if (!path || path->isEmpty())
            return;
        const QStringList entries = readPlaylist(*path);
        replaceListEntries(list.list, entries);
        d.SaveWorkingList(list);
        d.showSongCount(list, list.list->count());
        selectFirstEntry(list.list);
    }

private:
    TfrmMusik& d;
};

} // namespace

void TfrmMusik::SaveWorkingList(ListControls& list) {
    *list.workingFileField = programFolder() + list.workingFileName;
    writePlaylist(*list.workingFileField, listEntries(list.list));
}

void TfrmMusik::Listspeichernunter1Click() {
    PlaylistMenus(*this).saveAs(backgroundList);
}
void TfrmMusik::Listeladen1Click() {
    PlaylistMenus(*this).load(backgroundList);
}
void TfrmMusik::Listespeichernunter1Click() {
    PlaylistMenus(*this).saveAs(breakList);
}
void TfrmMusik::Listeladen2Click() {
    PlaylistMenus(*this).load(breakList);
}

} // namespace trelvan
