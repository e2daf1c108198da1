#include "BenchSupport.h"

#include <QFile>

namespace trelvan::bench {

QStringList songPaths(const QString& prefix, int count) {
    QStringList paths;
    paths.reserve(count);
    for (int i = 0; i < count; ++i)
        paths.append(QStringLiteral("/home/show/Musik/%1 %2/Titel %3 - Künstlerin.mp3")
                         .arg(prefix)
                         .arg(i % 97)
                         .arg(i, 6, 10, QLatin1Char('0')));
    return paths;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace trelvan::bench
