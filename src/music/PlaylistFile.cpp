#include "music/PlaylistFile.h"

#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/TextLines.h"

#include <QFile>
#include <QFileInfo>

namespace trelvan {

QStringList readPlaylist(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw EFOpenError(path);
    return splitLines(decodeText(file.readAll()));
}

void writePlaylist(const QString& path, const QStringList& entries) {
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& entry : entries)
        size += entry.size() + 2;
    bytes.reserve(size + size / 8); // room for a few multi-byte characters
    for (const QString& entry : entries) {
        bytes += entry.toUtf8();
        bytes += "\r\n";
    }
    if (!writeFileAtomically(path, bytes))
        throw EFCreateError(path);
}

} // namespace trelvan
