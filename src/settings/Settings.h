#pragma once

#include <QString>
#include <array>

namespace trelvan {

// The sections and keys of the settings file.
namespace settingsKeys {
inline const QString kEinstellungen = QStringLiteral("Einstellungen");
inline const QString kExePath = QStringLiteral("aExePath");
inline const QString kAufgabePath = QStringLiteral("aAufgabePath");
inline const QString kAufgabe = QStringLiteral("aAufgabe");

inline const QString kMusik = QStringLiteral("Musik");
// The four cues in the order of the music desk: opening, entry, winner, lap of honour.
inline const std::array<QString, 4> kCues = {QStringLiteral("Eroeffnung"),
                                             QStringLiteral("Einritt"), QStringLiteral("Sieger"),
                                             QStringLiteral("Ehrenrunde")};
inline const QString kVolumen2 = QStringLiteral("Volumen2");
inline const QString kVolumen1 = QStringLiteral("Volumen1");
inline const QString kHintergrundFileName = QStringLiteral("HintergrundFileName");
inline const QString kPausenFileName = QStringLiteral("PausenFileName");
} // namespace settingsKeys

inline constexpr int kDefaultVolume = 100;

// The test the test caller shows; both empty when none is chosen.
struct ChosenTest {
    QString testFolderPath; // "group/test/", relative to the program folder
    QString testName;       // the test folder's name
};

// The music desk's section as stored; volumes are not clamped here.
struct MusicSettings {
    std::array<QString, 4> cuePaths; // in the order of settingsKeys::kCues
    int listVolume = kDefaultVolume; // Volumen2: the continuous-sound player
    int cueVolume = kDefaultVolume;  // Volumen1: the cue player
    QString backgroundListFile;      // HintergrundFileName
    QString breakListFile;           // PausenFileName

    friend bool operator==(const MusicSettings&, const MusicSettings&) = default;
};

// The four accesses to the settings file (settingsFilePath()). Each opens the
// file afresh; reads never fail, writes throw EIniWriteError at the first key
// that cannot be written, the keys before it staying written.

// A backslash in the stored folder path counts as the separator, so a settings
// file brought over from a Windows installation keeps its chosen test.
ChosenTest readChosenTest();
// Writes "aExePath", "aAufgabePath", "aAufgabe", in this order.
void writeChosenTest(const QString& exeFolder, const QString& testFolderPath,
                     const QString& testName);

MusicSettings readMusicSettings();
// Writes all eight keys of "Musik" in the order they are read.
void writeMusicSettings(const MusicSettings& settings);

} // namespace trelvan
