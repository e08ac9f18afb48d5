#include "framework/platform/DiskFileStore.h"
#include "support/IniTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {
namespace {

// Writes past `bytes` fail as on a full disk, for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &before);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit before{};
    void (*previousHandler)(int) = nullptr;
};

// File permissions are real only for a user other than root.
#define SKIP_AS_ROOT()                                                                                       \
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores file permissions"

class DiskFileStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("config.ini");
    DiskFileStore disk;

    void put(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray bytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList entries() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    mode_t modeOf(const QString& file) const {
        struct stat status {};
        return ::stat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
    }
    void expectFailure(DiskFileStore& store, const QString& target) {
        EXPECT_EQ(failureOf([&] { store.replace(target, "nouveau\n"); }),
                  "Impossible d'écrire dans " + target);
    }
};

TEST_F(DiskFileStoreTest, ReadsWholeFilesAndTellsMissingFromUnreadable) {
    EXPECT_EQ(disk.read(path), QByteArray());
    put(QByteArray("a\0b\r\n", 5));
    EXPECT_EQ(disk.read(path), QByteArray("a\0b\r\n", 5));
    put(QByteArray(largestSettingsFile + 1, '\n'));
    EXPECT_EQ(disk.read(path), std::nullopt);
    EXPECT_EQ(disk.read(dir.path()), std::nullopt);
    EXPECT_EQ(disk.read(path + "/sous"), std::nullopt);
}

TEST_F(DiskFileStoreTest, UnreadableFileReadsAsNothing) {
    SKIP_AS_ROOT();
    put("[A]\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0200), 0);
    EXPECT_EQ(disk.read(path), std::nullopt);
}

TEST_F(DiskFileStoreTest, ReplaceCreatesOrReplacesTheFile) {
    const mode_t oldMask = ::umask(022);
    disk.replace(path, "un\n");
    ::umask(oldMask);
    EXPECT_EQ(bytes(), "un\n");
    EXPECT_EQ(modeOf(path), 0644u);
    disk.replace(path, "deux\n");
    EXPECT_EQ(bytes(), "deux\n");
    EXPECT_EQ(entries(), QStringList{"config.ini"});
}

TEST_F(DiskFileStoreTest, TheFirstWriteMakesTheMissingFoldersForTheUserAlone) {
    const QString inConfig = dir.filePath("cfg/vantorel/config.ini");
    disk.replace(inConfig, "[option]\nvibreur=3\n");
    QFile file(inConfig);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[option]\nvibreur=3\n");
    for (const QString& made : {dir.filePath("cfg/vantorel"), dir.filePath("cfg")})
        EXPECT_EQ(modeOf(made), 0700u) << made.toStdString();
    // A folder that can't be made is the file that can't be written.
    put("");
    expectFailure(disk, path + "/vantorel/config.ini");
}

TEST_F(DiskFileStoreTest, ReplaceKeepsPermissions) {
    for (const mode_t mode : {0600u, 0640u, 0604u, 0660u}) {
        put("ancien\n");
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        disk.replace(path, "nouveau\n");
        EXPECT_EQ(modeOf(path), mode);
    }
}

TEST_F(DiskFileStoreTest, ReplaceWritesThroughSymbolicLinks) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("data"));
    const QString target = dir.filePath("data/settings.ini");
    ASSERT_TRUE(QFile::link("data/middle.ini", path)); // relative, as users make them
    ASSERT_TRUE(QFile::link(target, dir.filePath("data/middle.ini")));
    disk.replace(path, "créé\n"); // the target does not exist yet
    disk.replace(path, "remplacé\n");
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_TRUE(QFileInfo(dir.filePath("data/middle.ini")).isSymLink());
    EXPECT_EQ(bytes(), "remplacé\n");
    EXPECT_EQ(QDir(dir.filePath("data")).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"middle.ini", "settings.ini"}));
}

TEST_F(DiskFileStoreTest, AWriteThatFailsHalfWayLeavesTheOldFileAndNoTemporary) {
    for (const bool existing : {true, false}) {
        SCOPED_TRACE(existing ? "over a file" : "new");
        QFile::remove(path);
        if (existing) put("[A]\nancien=1\n");
        {
            const FileSizeLimit full(4);
            expectFailure(disk, path);
        }
        EXPECT_EQ(bytes(), existing ? "[A]\nancien=1\n" : "<missing>");
        EXPECT_EQ(entries(), existing ? QStringList{"config.ini"} : QStringList());
    }
}

TEST_F(DiskFileStoreTest, TheTemporaryFilesOfAKilledWriteAreRemovedAndNothingElse) {
    put("[option]\nvibreur=3\n");
    const QStringList ours = {".config.ini.1x9q.tmp", ".config.ini.0.tmp"};
    const QStringList others = {".config.ini.tmp", ".config.ini.AB.tmp", "config.ini.1x9q.tmp",
                                ".other.ini.1x9q.tmp", ".config.ini.1x9q.tmp~"};
    for (const QString& name : ours + others) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    DiskFileStore::removeLeftovers(path);
    QStringList expected = others + QStringList{"config.ini"};
    expected.sort();
    EXPECT_EQ(entries(), expected);
    EXPECT_EQ(bytes(), "[option]\nvibreur=3\n");
}

TEST_F(DiskFileStoreTest, IniFileCommitsThroughTheDisk) {
    put("; garder\n[A]\nx=1\n");
    IniFile ini(path, disk);
    ini.writeInteger("A", "x", 2);
    ini.commit();
    EXPECT_EQ(bytes(), "; garder\n[A]\nx=2\n");
}

TEST_F(DiskFileStoreTest, FolderOrPipeInPlaceOfTheFileIsAFailure) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    expectFailure(disk, path);
    EXPECT_EQ(QFileInfo(path).isFile(), false);
    ASSERT_TRUE(QFile::remove(path));

    ASSERT_TRUE(QDir(dir.path()).mkdir("config.ini"));
    expectFailure(disk, path);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(entries(), QStringList{"config.ini"});
}

TEST_F(DiskFileStoreTest, LinkLoopIsAFailure) {
    ASSERT_TRUE(QFile::link("config.ini", path));
    expectFailure(disk, path);
    EXPECT_EQ(entries(), QStringList{"config.ini"});
}

TEST_F(DiskFileStoreTest, ReadOnlyFileIsAFailure) {
    SKIP_AS_ROOT();
    put("ancien\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    expectFailure(disk, path);
    EXPECT_EQ(bytes(), "ancien\n");
    EXPECT_EQ(entries(), QStringList{"config.ini"});
}

TEST_F(DiskFileStoreTest, ReadOnlyFolderIsAFailure) {
    SKIP_AS_ROOT();
    put("ancien\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    expectFailure(disk, path);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(bytes(), "ancien\n");
    EXPECT_EQ(entries(), QStringList{"config.ini"});
}

} // namespace
} // namespace vt
