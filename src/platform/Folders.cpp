#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace trelvan {

std::optional<QStringList> listSubfolders(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    QDir dir(folder);
    // QDir leaves out hidden entries unless asked for them.
    QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace trelvan
