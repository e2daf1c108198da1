// Playlist of 100,000 entries: load, save, shuffle and append, each against
// the bare file I/O or byte copying of the same data.
#include "Bench.h"
#include "BenchSupport.h"

#include "music/ListRules.h"
#include "music/PlaylistFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace trelvan::bench {
namespace {

constexpr int kEntries = 100000;
constexpr int kRuns = 7;

std::vector<Figure> playlistFigures() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.lst"));
    const QString floorPath = dir.filePath(QStringLiteral("floor.lst"));
    const QStringList entries = songPaths(QStringLiteral("Gruppe"), kEntries);
    writePlaylist(path, entries);
    const QByteArray bytes = readBytes(path);
    const QString size = QStringLiteral("%1 MB").arg(double(bytes.size()) / 1e6, 0, 'f', 1);

    std::vector<Figure> figures;
    auto add = [&](const char* name, double measured, double floor, const QString& note) {
        Figure figure;
        figure.name = QString::fromUtf8(name);
        figure.measured = measured;
        figure.floor = floor;
        figure.unit = QStringLiteral("ms");
        figure.budget = 5;
        figure.note = note;
        figures.push_back(figure);
    };

    // Loading means bytes into lines; the floor reads the same lines with
    // plain stream I/O, without decoding them into list entries.
    QStringList loaded;
    add("playlist 100k entries: load", medianMs(kRuns, [&] { loaded = readPlaylist(path); }),
        medianMs(kRuns,
                 [&] {
                     std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
                     std::vector<std::string> lines;
                     for (std::string line; std::getline(in, line);)
                         lines.push_back(std::move(line));
                 }),
        QStringLiteral("readPlaylist of a %1 file vs reading its lines with std::getline")
            .arg(size));

    // The save syncs the file to disk before renaming it into place, so the
    // floor writes the same bytes and syncs them too.
    add("playlist 100k entries: save", medianMs(kRuns, [&] { writePlaylist(path, entries); }),
        medianMs(kRuns,
                 [&] {
                     QFile file(floorPath);
                     file.open(QIODevice::WriteOnly | QIODevice::Truncate);
                     file.write(bytes);
                     file.flush();
                     ::fdatasync(file.handle());
                 }),
        QStringLiteral("writePlaylist (atomic, synced) vs writing and syncing the bytes"));

    // Shuffling is pure permuting in memory: the floor is the standard
    // library's shuffle of the same list.
    quint32 seed = 1700000000;
    add("playlist 100k entries: shuffle",
        medianMs(kRuns,
                 [&] {
                     QStringList list = entries;
                     shuffleEntries(list, seed++);
                 }),
        medianMs(kRuns,
                 [&] {
                     QStringList list = entries;
                     std::mt19937 generator(seed++);
                     std::shuffle(list.begin(), list.end(), generator);
                 }),
        QStringLiteral("shuffleEntries (move-to-end rule) vs std::shuffle of the same list"));

    const QStringList chosen = songPaths(QStringLiteral("Neu"), kEntries);
    add("playlist 100k entries: append",
        medianMs(kRuns,
                 [&] {
                     QStringList list = entries;
                     for (const QString& entry : chosen)
                         list.append(entry);
                 }),
        medianMs(kRuns,
                 [&] {
                     QByteArray copy(bytes.constData(), bytes.size());
                     copy.append(bytes);
                 }),
        QStringLiteral("appending 100,000 entries to a list of 100,000 vs copying the file's "
                       "bytes twice"));
    return figures;
}

} // namespace
} // namespace trelvan::bench

TRELVAN_BENCH("playlist", trelvan::bench::playlistFigures);
