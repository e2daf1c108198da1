#include "TempProgramFolder.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trelvan::test {

TempProgramFolder::TempProgramFolder() {
    setProgramFolder(dir_.path());
    setExecutableFileName(QStringLiteral("trelvan-control"));
}

TempProgramFolder::~TempProgramFolder() {
    setProgramFolder(QString());
}

QString TempProgramFolder::path() const {
    return withTrailingSeparator(dir_.path());
}

QString TempProgramFolder::settingsFile() const {
    return file(QStringLiteral("trelvan-control.INI"));
}

void TempProgramFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString full = file(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile out(full);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(bytes);
}

QByteArray TempProgramFolder::read(const QString& relative) const {
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

void TempProgramFolder::makeFolder(const QString& relative) const {
    QDir().mkpath(file(relative));
}

} // namespace trelvan::test
