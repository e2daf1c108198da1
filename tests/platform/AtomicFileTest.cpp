#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace trelvan {
namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    void put(const QString& name, const QByteArray& bytes, mode_t mode = 0644) const {
        QFile out(file(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        ASSERT_EQ(::chmod(QFile::encodeName(file(name)).constData(), mode), 0);
    }

    QByteArray get(const QString& name) const {
        QFile in(file(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    mode_t modeOf(const QString& path) const {
        struct stat status {};
        ::lstat(QFile::encodeName(path).constData(), &status);
        return status.st_mode;
    }

    // Nothing but the named files: no temporary left behind.
    QStringList entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir;
};

TEST_F(AtomicFileTest, CreatesNewFileWithProcessDefaultMode) {
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(writeFileAtomically(file("new.txt"), "a\r\nb\r\n"));
    ::umask(mask);
    EXPECT_EQ(get("new.txt"), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(modeOf(file("new.txt")) & 07777, mode_t(0644));
    EXPECT_EQ(entries(), QStringList{"new.txt"});

    EXPECT_TRUE(writeFileAtomically(file("empty.txt"), QByteArray()));
    EXPECT_EQ(get("empty.txt"), QByteArray());
}

TEST_F(AtomicFileTest, ReplacesContentAndKeepsPermissions) {
    put("list.ls", "old content that is longer than the new one", 0640);
    EXPECT_TRUE(writeFileAtomically(file("list.ls"), "new"));
    EXPECT_EQ(get("list.ls"), QByteArray("new"));
    EXPECT_EQ(modeOf(file("list.ls")) & 07777, mode_t(0640));
    EXPECT_EQ(entries(), QStringList{"list.ls"});
}

// We run as root in CI; the permission bits must refuse the write all the same.
TEST_F(AtomicFileTest, RefusesReadOnlyFileOrFolderAndLeavesEverythingAsItWas) {
    struct Case {
        const char* name;
        mode_t fileMode;
        mode_t folderMode;
        bool fileExists;
    };
    const Case cases[] = {
        {"file without any write bit", 0444, 0755, true},
        {"file writable by group and others only", 0466, 0755, true},
        {"existing file in read-only folder", 0644, 0555, true},
        {"new file in read-only folder", 0644, 0555, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir local;
        const QString path = local.path() + "/x.INI";
        if (c.fileExists) {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write("[A]\r\nk=1\r\n");
            out.close();
            ::chmod(QFile::encodeName(path).constData(), c.fileMode);
        }
        ::chmod(QFile::encodeName(local.path()).constData(), c.folderMode);

        EXPECT_FALSE(writeFileAtomically(path, "replaced"));

        ::chmod(QFile::encodeName(local.path()).constData(), 0755);
        QFile in(path);
        if (c.fileExists) {
            ASSERT_TRUE(in.open(QIODevice::ReadOnly));
            EXPECT_EQ(in.readAll(), QByteArray("[A]\r\nk=1\r\n"));
        } else {
            EXPECT_FALSE(in.exists());
        }
        EXPECT_EQ(QDir(local.path())
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                      .size(),
                  c.fileExists ? 1 : 0);
    }
}

TEST_F(AtomicFileTest, RefusesFolderTargetsAndMissingFolders) {
    QDir(dir.path()).mkdir("sub");
    EXPECT_FALSE(writeFileAtomically(file("sub"), "x"));
    EXPECT_FALSE(writeFileAtomically(file("missing/x.txt"), "x"));
    EXPECT_FALSE(writeFileAtomically(QString(), "x"));
    EXPECT_EQ(entries(), QStringList{"sub"});
}

TEST_F(AtomicFileTest, WritesThroughSymbolicLinkAndKeepsTheLink) {
    put("real.txt", "old");
    ASSERT_TRUE(QFile::link(file("real.txt"), file("link.txt")));
    EXPECT_TRUE(writeFileAtomically(file("link.txt"), "new"));
    EXPECT_TRUE(S_ISLNK(modeOf(file("link.txt"))));
    EXPECT_EQ(get("real.txt"), QByteArray("new"));
}

} // namespace
} // namespace trelvan
