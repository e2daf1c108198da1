#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace trelvan {
namespace {

QString& folderStore() {
    static QString folder;
    return folder;
}

QString& executableNameStore() {
    static QString name;
    return name;
}

} // namespace

QString withTrailingSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString programFolder() {
    return folderStore();
}

void setProgramFolder(const QString& folder) {
    folderStore() = folder.isEmpty() ? QString() : withTrailingSeparator(folder);
}

QString programFolderFromArguments(const QStringList& arguments, const QString& executablePath) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--folder"));
    if (at >= 0 && at + 1 < arguments.size())
        return withTrailingSeparator(QFileInfo(arguments.at(at + 1)).absoluteFilePath());
    for (const QString& argument : arguments) {
        if (argument.startsWith(QStringLiteral("--folder=")))
            return withTrailingSeparator(
                QFileInfo(argument.mid(int(sizeof("--folder=")) - 1)).absoluteFilePath());
    }
    return withTrailingSeparator(QFileInfo(executablePath).absolutePath());
}

QString executableFileName() {
    if (executableNameStore().isEmpty())
        return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return executableNameStore();
}

void setExecutableFileName(const QString& name) {
    executableNameStore() = name;
}

QString changeExtension(const QString& fileName, const QString& extension) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return fileName + extension;
    return fileName.left(dot) + extension;
}

QString settingsFilePath() {
    return programFolder() + changeExtension(executableFileName(), QStringLiteral(".INI"));
}

QString folderPart(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.left(slash + 1);
}

QString fileNamePart(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.mid(slash + 1);
}

} // namespace trelvan
