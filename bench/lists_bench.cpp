// A list of 10,000 entries stays responsive for every operation: new list,
// append, delete, shuffle, drop, load and save-as on the music desk, each
// against the bare file work it has to do (every edit rewrites the working
// file, synced to disk).
#include "Bench.h"
#include "BenchSupport.h"

#include "music/ListOperations.h"
#include "music/Musik.h"
#include "music/PlaylistFile.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "support/RecordingPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <unistd.h>
#include <vector>

namespace trelvan::bench {
namespace {

constexpr int kEntries = 10000;
constexpr int kRuns = 15;

// The file dialogs answer with what the benchmark has set; no box is shown.
class AnsweringDialogs final : public Dialogs {
public:
    AnsweringDialogs() { setDialogs(this); }
    ~AnsweringDialogs() override { setDialogs(nullptr); }
    AnsweringDialogs(const AnsweringDialogs&) = delete;
    AnsweringDialogs& operator=(const AnsweringDialogs&) = delete;

    QStringList songs;
    QString file;

    void message(const QString&, const QString&, MessageIcon, QWidget*) override {}
    std::optional<QString> openFile(const FileDialogRequest&) override { return file; }
    QStringList openFiles(const FileDialogRequest&) override { return songs; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return file; }
};

// The medians of `runs` timings of `work`, each after an untimed `setup`,
// and of `floor`, timed right after it: the disk's sync time wanders by a
// factor of five on a shared machine, so both are measured side by side.
struct Timing {
    double work = 0;
    double floor = 0;
};
Timing measure(int runs, const std::function<void()>& setup, const std::function<void()>& work,
               const std::function<void()>& floor) {
    std::vector<double> works;
    std::vector<double> floors;
    auto time = [](const std::function<void()>& job) {
        QElapsedTimer timer;
        timer.start();
        job();
        return double(timer.nsecsElapsed()) / 1e6;
    };
    for (int i = 0; i < runs; ++i) {
        setup();
        works.push_back(time(work));
        floors.push_back(time(floor));
    }
    std::sort(works.begin(), works.end());
    std::sort(floors.begin(), floors.end());
    return {works[works.size() / 2], floors[floors.size() / 2]};
}

void writeSynced(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.flush();
    ::fdatasync(file.handle());
}

std::vector<Figure> listFigures() {
    QTemporaryDir dir;
    const QString folder = withTrailingSeparator(dir.path());
    const QString oldFolder = programFolder();
    setProgramFolder(folder);
    AnsweringDialogs dialogs;
    test::RecordingPlayer cuePlayer;
    test::RecordingPlayer listPlayer;
    TfrmMusik desk(cuePlayer, listPlayer);
    setShuffleSeedSource([seed = 1700000000u]() mutable { return seed++; });

    const QStringList songs = songPaths(QStringLiteral("Gruppe"), kEntries);
    const QString listFile = folder + QStringLiteral("show.lst");
    writePlaylist(listFile, songs);
    const QByteArray bytes = readBytes(listFile);
    const QString floorPath = folder + QStringLiteral("floor.lst");

    // Every operation writes the whole list once, synced; load reads it first.
    const auto writeFloor = [&] { writeSynced(floorPath, bytes); };
    const auto readWriteFloor = [&] { writeSynced(floorPath, readBytes(listFile)); };
    const QString writeNote =
        QStringLiteral("vs writing and syncing the list's %1 KB").arg(bytes.size() / 1024);

    std::vector<Figure> figures;
    auto add = [&](const char* name, const Timing& timing, const QString& note) {
        Figure figure;
        figure.name = QString::fromUtf8(name);
        figure.measured = timing.work;
        figure.floor = timing.floor;
        figure.unit = QStringLiteral("ms");
        // The floor is the file work alone (a couple of milliseconds, mostly
        // the sync); an edit also rebuilds or moves the list widget's 10,000
        // items, which costs a few times that. 10x still means well under a
        // frame of the screen on any machine where the floor is sane, and a
        // quadratic step (seconds at this size) misses it by far.
        figure.budget = 10;
        figure.note = note;
        figures.push_back(figure);
    };
    auto fill = [&] {
        replaceListEntries(desk.ListBox1, songs);
        selectFirstEntry(desk.ListBox1);
    };

    add("list 10k entries: new list",
        measure(
            kRuns, [&] { dialogs.songs = songs; }, [&] { desk.PlayListerstellen1Click(); },
            writeFloor),
        QStringLiteral("a new list of 10,000 songs replaces one of 10,000 ") + writeNote);

    const QStringList more = songPaths(QStringLiteral("Neu"), 100);
    add("list 10k entries: append",
        measure(
            kRuns,
            [&] {
                fill();
                dialogs.songs = more;
            },
            [&] { desk.andiePlayListanfgen1Click(); }, writeFloor),
        QStringLiteral("100 songs appended to 10,000 ") + writeNote);

    add("list 10k entries: delete",
        measure(
            kRuns,
            [&] {
                fill();
                selectEntry(desk.ListBox1, kEntries / 2);
            },
            [&] { desk.SongausPlayListelschen1Click(); }, writeFloor),
        QStringLiteral("the middle song deleted ") + writeNote);

    add("list 10k entries: shuffle",
        measure(
            kRuns, fill, [&] { desk.mischenClick(); }, writeFloor),
        QStringLiteral("shuffled ") + writeNote);

    // The drop point below the last entry is found before the clock runs.
    QPoint belowLast;
    add("list 10k entries: drop within",
        measure(
            kRuns,
            [&] {
                fill();
                desk.ListBox1->doItemsLayout();
                const QRect last =
                    desk.ListBox1->visualItemRect(desk.ListBox1->item(desk.ListBox1->count() - 1));
                belowLast = QPoint(last.center().x(), last.bottom() + 4);
                desk.ListBox1StartDrag(desk.ListBox1);
            },
            [&] { desk.ListBox1DragDrop(desk.ListBox1, belowLast); }, writeFloor),
        QStringLiteral("first and last exchanged ") + writeNote);

    add("list 10k entries: drop copy",
        measure(
            kRuns,
            [&] {
                fill();
                replaceListEntries(desk.ListBox2, songs);
                selectEntry(desk.ListBox2, 0);
                desk.ListBox2StartDrag(desk.ListBox2);
            },
            [&] { desk.ListBox1DragDrop(desk.ListBox2, QPoint(5, 5)); }, writeFloor),
        QStringLiteral("a song copied into a list of 10,000 ") + writeNote);

    add("list 10k entries: load",
        measure(
            kRuns, [&] { dialogs.file = listFile; }, [&] { desk.Listeladen1Click(); },
            readWriteFloor),
        QStringLiteral("a .lst of 10,000 songs loaded and the working file written, vs reading "
                       "the bytes and writing them synced"));

    add("list 10k entries: save as",
        measure(
            kRuns, [&] { dialogs.file = folder + QStringLiteral("copy.lst"); },
            [&] { desk.Listspeichernunter1Click(); }, writeFloor),
        QStringLiteral("saved under a new name ") + writeNote);

    setShuffleSeedSource({});
    setProgramFolder(oldFolder);
    return figures;
}

} // namespace
} // namespace trelvan::bench

TRELVAN_BENCH("lists", trelvan::bench::listFigures);
