#include "music/PlaylistFile.h"

#include "platform/Exceptions.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace trelvan {
namespace {

using test::TempProgramFolder;

TEST(PlaylistFileTest, ReadsLinesWithAnyLineEnd) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList entries;
    };
    const Case cases[] = {
        {"CR LF", "/m/a.mp3\r\n/m/b.mp3\r\n", {"/m/a.mp3", "/m/b.mp3"}},
        {"LF only", "/m/a.mp3\n/m/b.mp3\n", {"/m/a.mp3", "/m/b.mp3"}},
        {"lone CR", "/m/a.mp3\r/m/b.mp3\r", {"/m/a.mp3", "/m/b.mp3"}},
        {"mixed, LF CR is two ends", "a\nb\r\nc\rd\n\re", {"a", "b", "c", "d", "", "e"}},
        {"no final line end", "/m/a.mp3\r\n/m/b.mp3", {"/m/a.mp3", "/m/b.mp3"}},
        {"empty lines between kept", "a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        {"only a line end", "\r\n", {""}},
        {"empty file", "", {}},
        {"nothing trimmed", "  a b.mp3 \t\r\n", {"  a b.mp3 \t"}},
        {"UTF-8",
         "/Musik/Gr\xc3\xbc\xc3\x9f Gott.mp3\r\n",
         {QStringLiteral("/Musik/Grüß Gott.mp3")}},
        {"from Windows", "C:\\Musik\\Gr\xfc\xdf.mp3\r\n", {QStringLiteral("C:\\Musik\\Grüß.mp3")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        folder.write("x.lst", c.bytes);
        EXPECT_EQ(readPlaylist(folder.file("x.lst")), c.entries);
    }
}

TEST(PlaylistFileTest, UnopenableFileRaisesOpenErrorWithPath) {
    TempProgramFolder folder;
    folder.makeFolder("ordner.lst");
    for (const char* name : {"fehlt.lst", "ordner.lst"}) {
        const QString path = folder.file(name);
        try {
            readPlaylist(path);
            ADD_FAILURE() << name;
        } catch (const EFOpenError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
        }
    }
}

TEST(PlaylistFileTest, WritesEveryLineWithCrLfAndReadsBackTheSame) {
    struct Case {
        const char* name;
        QStringList entries;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"three songs",
         {"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"},
         "/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n"},
        {"empty list", {}, ""},
        {"one empty entry", {""}, "\r\n"},
        {"empty entry between, blanks, umlaut",
         {" a ", "", QStringLiteral("hier rechts klicken um Musik auszuwählen")},
         " a \r\n\r\nhier rechts klicken um Musik auszuw\xc3\xa4hlen\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        folder.write("x.lst", "an old and longer content\r\nthat must go\r\n");
        writePlaylist(folder.file("x.lst"), c.entries);
        EXPECT_EQ(folder.read("x.lst"), c.bytes);
        EXPECT_EQ(readPlaylist(folder.file("x.lst")), c.entries);
    }
}

TEST(PlaylistFileTest, FailedWriteRaisesCreateErrorAndKeepsOldFile) {
    TempProgramFolder folder;
    folder.write("alt.lst", "/m/a.mp3\r\n");
    ::chmod(QFile::encodeName(folder.file("alt.lst")).constData(), 0444);
    folder.makeFolder("ordner.lst");

    for (const char* name : {"alt.lst", "ordner.lst", "fehlt/x.lst"}) {
        const QString path = folder.file(name);
        try {
            writePlaylist(path, {"/m/neu.mp3"});
            ADD_FAILURE() << name;
        } catch (const EFCreateError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path));
        }
    }
    EXPECT_EQ(folder.read("alt.lst"), QByteArray("/m/a.mp3\r\n"));
}

} // namespace
} // namespace trelvan
