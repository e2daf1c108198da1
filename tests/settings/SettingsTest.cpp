#include "settings/Settings.h"

#include "platform/Exceptions.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace trelvan {
namespace {

using test::TempProgramFolder;

TEST(SettingsTest, ChosenTestFromFile) {
    struct Case {
        const char* name;
        QByteArray file; // empty: no settings file
        ChosenTest expected;
    };
    const Case cases[] = {
        {"no file", {}, {"", ""}},
        {"stored",
         "[Einstellungen]\r\naAufgabePath=Gruppe A/A5/\r\naAufgabe=A5\r\n",
         {"Gruppe A/A5/", "A5"}},
        {"from Windows",
         "[einstellungen]\r\naExePath=C:\\Show\\\r\naAufgabePath=Gruppe A\\A5\\\r\naAufgabe=A5\r\n",
         {"Gruppe A/A5/", "A5"}},
        {"only the name", "[Einstellungen]\r\naAufgabe=A5\r\n", {"", "A5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        if (!c.file.isEmpty())
            folder.write("trelvan-control.INI", c.file);
        const ChosenTest test = readChosenTest();
        EXPECT_EQ(test.testFolderPath, c.expected.testFolderPath);
        EXPECT_EQ(test.testName, c.expected.testName);
    }
}

TEST(SettingsTest, WriteChosenTestKeepsOtherSectionAndKeyOrder) {
    TempProgramFolder folder;
    folder.write("trelvan-control.INI", "[Musik]\r\nSieger=/s.mp3\r\n");
    writeChosenTest(folder.path(), "Gruppe/A5/", "A5");
    writeChosenTest(folder.path(), "Gruppe/L1/", "L1");
    EXPECT_EQ(folder.read("trelvan-control.INI"),
              "[Musik]\r\nSieger=/s.mp3\r\n\r\n[Einstellungen]\r\naExePath=" +
                  folder.path().toUtf8() + "\r\naAufgabePath=Gruppe/L1/\r\naAufgabe=L1\r\n");
    EXPECT_EQ(readChosenTest().testName, "L1");
}

TEST(SettingsTest, MusicSettingsDefaultsAndStoredValues) {
    struct Case {
        const char* name;
        QByteArray file;
        int listVolume;
        int cueVolume;
    };
    const Case cases[] = {
        {"no file", {}, 100, 100},
        {"stored as is, not clamped", "[Musik]\r\nVolumen2=0\r\nvolumen1=5000\r\n", 0, 5000},
        {"hex and letters", "[Musik]\r\nVolumen2=0x3E8\r\nVolumen1=laut\r\n", 1000, 100},
        {"empty", "[Musik]\r\nVolumen2=\r\nVolumen1=\r\n", 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        if (!c.file.isEmpty())
            folder.write("trelvan-control.INI", c.file);
        const MusicSettings settings = readMusicSettings();
        EXPECT_EQ(settings.listVolume, c.listVolume);
        EXPECT_EQ(settings.cueVolume, c.cueVolume);
        EXPECT_EQ(settings.cuePaths, (std::array<QString, 4>{"", "", "", ""}));
        EXPECT_EQ(settings.backgroundListFile, "");
    }
}

TEST(SettingsTest, MusicSettingsRoundTripInKeyOrder) {
    TempProgramFolder folder;
    MusicSettings settings;
    settings.cuePaths = {"/m/eröffnung.mp3", "/m/einritt.mp3", "", "/m/ehrenrunde.mp3"};
    settings.listVolume = 250;
    settings.cueVolume = 1000;
    settings.backgroundListFile = folder.file("hintergrund.ls");
    settings.breakListFile = "";
    writeMusicSettings(settings);
    EXPECT_EQ(folder.read("trelvan-control.INI"),
              "[Musik]\r\nEroeffnung=/m/er\xc3\xb6"
              "ffnung.mp3\r\nEinritt=/m/einritt.mp3\r\n"
              "Sieger=\r\nEhrenrunde=/m/ehrenrunde.mp3\r\nVolumen2=250\r\nVolumen1=1000\r\n"
              "HintergrundFileName=" +
                  folder.file("hintergrund.ls").toUtf8() + "\r\nPausenFileName=\r\n");
    EXPECT_EQ(readMusicSettings(), settings);
}

// The keys before the failing one are on disk, the failing one and those
// after it are not.
TEST(SettingsTest, FailedMusicWriteStopsAtTheFailingKey) {
    TempProgramFolder folder;
    MusicSettings settings;
    settings.cuePaths = {"/e.mp3", "/i.mp3", "/kaputt\n.mp3", "/h.mp3"};
    try {
        writeMusicSettings(settings);
        ADD_FAILURE() << "no error";
    } catch (const EIniWriteError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("In %1 kann nicht geschrieben werden").arg(folder.settingsFile()));
    }
    EXPECT_EQ(folder.read("trelvan-control.INI"),
              QByteArray("[Musik]\r\nEroeffnung=/e.mp3\r\nEinritt=/i.mp3\r\n"));
}

} // namespace
} // namespace trelvan
