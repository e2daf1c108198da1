#pragma once

#include <QString>
#include <QStringList>

namespace trelvan {

// The program folder (`ExeFolder`): where the settings file, the test groups,
// the playlists' working files and the working copies of songs live. It is the
// executable's folder unless `--folder DIR` names another one. Always ends in
// the platform's separator.
QString programFolder();
void setProgramFolder(const QString& folder);

// The program folder as the command line asks for it.
QString programFolderFromArguments(const QStringList& arguments, const QString& executablePath);

// The executable's file name, from which the settings file takes its name.
QString executableFileName();
void setExecutableFileName(const QString& name);

// The file name with the text from its last "." on replaced by `extension`,
// or `extension` appended when the name has no ".".
QString changeExtension(const QString& fileName, const QString& extension);

// Full path of the settings file: program folder + executable name with ".INI".
QString settingsFilePath();

// The folder part of a path, up to and including its last separator.
QString folderPart(const QString& path);
// The file-name part of a path, after its last separator.
QString fileNamePart(const QString& path);

// Ensures a trailing separator.
QString withTrailingSeparator(const QString& folder);

} // namespace trelvan
