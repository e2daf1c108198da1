#include "settings/Settings.h"

#include "platform/ProgramFolder.h"
#include "settings/IniFile.h"

#include <QDir>

namespace trelvan {

using namespace settingsKeys;

ChosenTest readChosenTest() {
    const IniFile ini(settingsFilePath());
    ChosenTest test;
    test.testFolderPath = ini.readString(kEinstellungen, kAufgabePath, QString());
    test.testName = ini.readString(kEinstellungen, kAufgabe, QString());
    if (QDir::separator() == QLatin1Char('/'))
        test.testFolderPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return test;
}

void writeChosenTest(const QString& exeFolder, const QString& testFolderPath,
                     const QString& testName) {
    IniFile ini(settingsFilePath());
    ini.writeString(kEinstellungen, kExePath, exeFolder);
    ini.writeString(kEinstellungen, kAufgabePath, testFolderPath);
    ini.writeString(kEinstellungen, kAufgabe, testName);
}

MusicSettings readMusicSettings() {
    const IniFile ini(settingsFilePath());
    MusicSettings settings;
    for (std::size_t i = 0; i < kCues.size(); ++i)
        settings.cuePaths[i] = ini.readString(kMusik, kCues[i], QString());
    settings.listVolume = ini.readInteger(kMusik, kVolumen2, kDefaultVolume);
    settings.cueVolume = ini.readInteger(kMusik, kVolumen1, kDefaultVolume);
    settings.backgroundListFile = ini.readString(kMusik, kHintergrundFileName, QString());
    settings.breakListFile = ini.readString(kMusik, kPausenFileName, QString());
    return settings;
}

void writeMusicSettings(const MusicSettings& settings) {
    IniFile ini(settingsFilePath());
    for (std::size_t i = 0; i < kCues.size(); ++i)
        ini.writeString(kMusik, kCues[i], settings.cuePaths[i]);
    ini.writeInteger(kMusik, kVolumen2, settings.listVolume);
    ini.writeInteger(kMusik, kVolumen1, settings.cueVolume);
    ini.writeString(kMusik, kHintergrundFileName, settings.backgroundListFile);
    ini.writeString(kMusik, kPausenFileName, settings.breakListFile);
}

} // namespace trelvan
