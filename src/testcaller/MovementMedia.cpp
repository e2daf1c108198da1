#include "testcaller/MovementMedia.h"

#include <QFileInfo>

namespace trelvan {

QString MovementMediaPath(const TestSelection& test, int n, const QString& extension) {
    return test.ExeFolder + test.TestFolderPath + QString::number(n) + extension;
}

bool MovementExists(const TestSelection& test, int n) {
    const QFileInfo picture(MovementMediaPath(test, n, QStringLiteral(".bmp")));
    return picture.exists() && !picture.isDir();
}

} // namespace trelvan
