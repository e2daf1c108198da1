#include "settings/IniFile.h"

#include "platform/Exceptions.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>
#include <vector>

namespace trelvan {
namespace {

using test::TempProgramFolder;

struct Write {
    const char* section;
    const char* key;
    QString value;
};

struct WriteCase {
    const char* name;
    std::optional<QByteArray> before; // nullopt: no file yet
    std::vector<Write> writes;
    QByteArray after;
};

void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }

class IniFileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniFileWriteTest, LeavesExactlyTheseBytes) {
    const WriteCase& c = GetParam();
    TempProgramFolder folder;
    if (c.before)
        folder.write("x.INI", *c.before);
    IniFile ini(folder.file("x.INI"));
    for (const Write& w : c.writes)
        ini.writeString(w.section, w.key, w.value);
    EXPECT_EQ(folder.read("x.INI"), c.after);
    // What was written reads back, whatever the letter case of the names.
    for (const Write& w : c.writes)
        EXPECT_EQ(ini.readString(QString(w.section).toUpper(), QString(w.key).toLower(), "-"),
                  w.value.trimmed());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileWriteTest,
    ::testing::Values(
        WriteCase{"MissingFileIsCreated",
                  std::nullopt,
                  {{"Musik", "Volumen1", "100"}, {"Musik", "Volumen2", "50"}},
                  "[Musik]\r\nVolumen1=100\r\nVolumen2=50\r\n"},
        WriteCase{"InPlaceUpdateKeepsSpellingOfKeyAndOtherLines",
                  "; Kommentar\r\n[musik]\r\n  volumen1 = 5000\r\nfremd=x\r\n",
                  {{"Musik", "Volumen1", "1000"}},
                  "; Kommentar\r\n[musik]\r\n  volumen1 =1000\r\nfremd=x\r\n"},
        WriteCase{"NewKeyAfterLastLineOfSectionBeforeBlankLines",
                  "[Einstellungen]\r\naAufgabe=A1\r\n\r\n[Musik]\r\nSieger=s.mp3\r\n",
                  {{"Einstellungen", "aExePath", "/opt/show/"}},
                  "[Einstellungen]\r\naAufgabe=A1\r\naExePath=/opt/show/\r\n\r\n[Musik]\r\n"
                  "Sieger=s.mp3\r\n"},
        WriteCase{"NewKeyInEmptySectionFollowsHeader",
                  "[Musik]\r\n[Andere]\r\nk=v\r\n",
                  {{"Musik", "Sieger", "s.mp3"}},
                  "[Musik]\r\nSieger=s.mp3\r\n[Andere]\r\nk=v\r\n"},
        WriteCase{"NewSectionAtEndAfterBlankLine",
                  "[Einstellungen]\r\naAufgabe=A1\r\n",
                  {{"Musik", "Volumen2", "100"}},
                  "[Einstellungen]\r\naAufgabe=A1\r\n\r\n[Musik]\r\nVolumen2=100\r\n"},
        WriteCase{"MissingFinalLineEndGetsOneBeforeAppendedLine",
                  "[Musik]\r\nSieger=s.mp3",
                  {{"Musik", "Einritt", "e.mp3"}},
                  "[Musik]\r\nSieger=s.mp3\r\nEinritt=e.mp3\r\n"},
        WriteCase{"MissingFinalLineEndBeforeNewSection",
                  "[A]\r\nk=v",
                  {{"B", "k", "w"}},
                  "[A]\r\nk=v\r\n\r\n[B]\r\nk=w\r\n"},
        WriteCase{"LfOnlyFileKeepsItsLinesNewOnesGetCrLf",
                  "[Musik]\nSieger=alt\n# unbekannt\n\n[X]\ny=1\n",
                  {{"Musik", "Sieger", "neu"}, {"Musik", "Einritt", "e"}},
                  "[Musik]\nSieger=neu\n# unbekannt\nEinritt=e\r\n\n[X]\ny=1\n"},
        WriteCase{"LoneCrLines",
                  "[Musik]\rSieger=alt\r",
                  {{"Musik", "Sieger", "neu"}},
                  "[Musik]\rSieger=neu\r"},
        WriteCase{"OddSpacingAndUnknownLinesStayByteForByte",
                  "  [ Musik ]  \r\nohne gleich\r\n\tEroeffnung\t=\t/a b.mp3\t\r\nx==y\r\n",
                  {{"Musik", "Eroeffnung", "/c.mp3"}, {"Musik", "Neu", " mit Blanks "}},
                  "  [ Musik ]  \r\nohne gleich\r\n\tEroeffnung\t=/c.mp3\r\nx==y\r\n"
                  "Neu= mit Blanks \r\n"},
        WriteCase{"FirstOfDuplicateSectionsAndKeysIsUpdated",
                  "[M]\r\nk=1\r\nk=2\r\n[M]\r\nk=3\r\n",
                  {{"m", "K", "9"}},
                  "[M]\r\nk=9\r\nk=2\r\n[M]\r\nk=3\r\n"},
        WriteCase{"UmlautsAndEmptyValue",
                  std::nullopt,
                  {{"Musik", "Sieger", QStringLiteral("/Musik/Fanfare groß.mp3")},
                   {"Musik", "Einritt", ""}},
                  "[Musik]\r\nSieger=/Musik/Fanfare gro\xc3\x9f.mp3\r\nEinritt=\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    QByteArray file;
    const char* key;
    QString text; // readString with default "dflt"
    int number;   // readInteger with default 100
};

TEST(IniFileReadTest, ValuesAndDefaults) {
    const QString longValue(3000, QLatin1Char('v'));
    const ReadCase cases[] = {
        {"plain", "[Musik]\r\nVolumen1=250\r\n", "Volumen1", "250", 250},
        {"other case", "[MUSIK]\r\nvolumen1=250\r\n", "Volumen1", "250", 250},
        {"blanks trimmed", "[Musik]\r\n Volumen1 =  -7  \r\n", "Volumen1", "-7", -7},
        {"hex 0x", "[Musik]\nVolumen1=0x3E8\n", "Volumen1", "0x3E8", 1000},
        {"hex $", "[Musik]\nVolumen1=$3e8", "Volumen1", "$3e8", 1000},
        {"letters", "[Musik]\rVolumen1=laut\r", "Volumen1", "laut", 100},
        {"empty value", "[Musik]\r\nVolumen1=\r\n", "Volumen1", "", 100},
        {"missing key", "[Musik]\r\nVolumen2=5\r\n", "Volumen1", "dflt", 100},
        {"key in other section", "[Andere]\r\nVolumen1=5\r\n[Musik]\r\n", "Volumen1", "dflt", 100},
        {"key before any section", "Volumen1=5\r\n[Musik]\r\n", "Volumen1", "dflt", 100},
        {"quotes kept", "[Musik]\r\nVolumen1=\"5\"\r\n", "Volumen1", "\"5\"", 100},
        {"first equals splits", "[Musik]\r\nVolumen1=a=b\r\n", "Volumen1", "a=b", 100},
        {"byte-order mark", "\xef\xbb\xbf[Musik]\r\nVolumen1=3\r\n", "Volumen1", "3", 3},
        {"windows-1252 value", "[Musik]\r\nVolumen1=Gr\xfc\xdf\r\n", "Volumen1",
         QStringLiteral("Grüß"), 100},
        {"cut at 2047", "[Musik]\r\nVolumen1=" + longValue.toLatin1() + "\r\n", "Volumen1",
         longValue.left(2047), 100},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        folder.write("x.INI", c.file);
        const IniFile ini(folder.file("x.INI"));
        EXPECT_EQ(ini.readString("Musik", c.key, "dflt"), c.text);
        EXPECT_EQ(ini.readInteger("Musik", c.key, 100), c.number);
    }
}

TEST(IniFileReadTest, MissingFileOrFolderInItsPlaceGivesDefaults) {
    TempProgramFolder folder;
    folder.makeFolder("dir.INI");
    for (const char* name : {"none.INI", "dir.INI"}) {
        const IniFile ini(folder.file(name));
        EXPECT_EQ(ini.readString("Musik", "Sieger", "dflt"), "dflt");
        EXPECT_EQ(ini.readInteger("Musik", "Volumen1", 100), 100);
    }
}

TEST(IniFileWriteTest, IntegersAreWrittenAsDecimal) {
    TempProgramFolder folder;
    IniFile ini(folder.file("x.INI"));
    ini.writeInteger("Musik", "Volumen1", 1000);
    ini.writeInteger("Musik", "Volumen2", -5);
    EXPECT_EQ(folder.read("x.INI"), QByteArray("[Musik]\r\nVolumen1=1000\r\nVolumen2=-5\r\n"));
}

void setMode(const QString& path, mode_t mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// Root could write anyway; the file's and folder's permission bits decide.
TEST(IniFileWriteTest, ReadOnlyFileOrFolderRaisesErrorWithPathAndKeepsEarlierKeys) {
    struct Case {
        const char* name;
        bool lockFolder;
    };
    for (const Case c : {Case{"read-only file", false}, Case{"read-only folder", true}}) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        const QString path = folder.file("x.INI");
        folder.write("x.INI", "[Musik]\r\nfremd=1\r\n");
        IniFile ini(path);
        ini.writeString("Musik", "Eroeffnung", "/e.mp3");
        const QByteArray written = folder.read("x.INI");
        setMode(c.lockFolder ? folder.path() : path, c.lockFolder ? 0555 : 0444);

        try {
            ini.writeString("Musik", "Einritt", "/i.mp3");
            ADD_FAILURE() << "no error";
        } catch (const EIniWriteError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("In %1 kann nicht geschrieben werden").arg(path));
        }
        setMode(c.lockFolder ? folder.path() : path, c.lockFolder ? 0755 : 0644);
        EXPECT_EQ(folder.read("x.INI"), written);
        EXPECT_EQ(written, QByteArray("[Musik]\r\nfremd=1\r\nEroeffnung=/e.mp3\r\n"));
    }
}

TEST(IniFileWriteTest, UnstorableTextIsRefusedAndFileUnchanged) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"Musik", "Sieger", "/a.mp3\r\n[Einstellungen]"}, // would add a section
        {"Musik", "Sieger", "/a\nb.mp3"},
        {"Musik", "Sie=ger", "x"},
        {"Mu]sik", "Sieger", "x"},
        {"", "Sieger", "x"},
        {"Musik", "", "x"},
    };
    TempProgramFolder folder;
    folder.write("x.INI", "[Musik]\r\nSieger=alt\r\n");
    IniFile ini(folder.file("x.INI"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_THROW(ini.writeString(c.section, c.key, c.value), EIniWriteError);
        EXPECT_EQ(folder.read("x.INI"), QByteArray("[Musik]\r\nSieger=alt\r\n"));
    }
}

TEST(IniFileWriteTest, MissingFolderOrUnreadableFileIsAnErrorNotAFreshFile) {
    TempProgramFolder folder;
    IniFile inMissingFolder(folder.file("gibtsnicht/x.INI"));
    EXPECT_THROW(inMissingFolder.writeString("Musik", "Sieger", "x"), EIniWriteError);

    folder.makeFolder("dir.INI");
    IniFile folderInPlace(folder.file("dir.INI"));
    EXPECT_THROW(folderInPlace.writeString("Musik", "Sieger", "x"), EIniWriteError);
}

} // namespace
} // namespace trelvan
