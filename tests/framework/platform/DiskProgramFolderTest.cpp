#include "framework/platform/DiskProgramFolder.h"
#include "assets/ProgramFiles.h"
#include "common/DataFiles.h"
#include "framework/core/RegularFile.h"
#include "framework/platform/DiskFileStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace vt {
void PrintTo(const ProgramPaths& layout, std::ostream* out) {
    *out << "{data " << layout.dataFolder.toStdString() << ", settings " << layout.settingsFile.toStdString()
         << '}';
}

namespace {

TEST(ProgramPaths, APortableFolderKeepsDataAndSettingsBesideTheExecutable) {
    EXPECT_EQ(choosePaths("/opt/vantorel", {.data = true, .writable = true}, "/home/u/cfg", "/home/u"),
              (ProgramPaths{"/opt/vantorel/", "/opt/vantorel/config.ini"}));
}

TEST(ProgramPaths, AnInstalledCopyReadsItsPrefixAndWritesInTheUserConfigFolder) {
    const ProgramPaths installed{"/usr/share/vantorel/", "/home/u/cfg/vantorel/config.ini"};
    EXPECT_EQ(choosePaths("/usr/bin", {}, "/home/u/cfg", "/home/u"), installed);
    // A prefix the user owns is still an installed copy.
    EXPECT_EQ(choosePaths("/home/u/.local/bin", {.data = false, .writable = true}, "/home/u/cfg", "/home/u"),
              (ProgramPaths{"/home/u/.local/share/vantorel/", "/home/u/cfg/vantorel/config.ini"}));
}

TEST(ProgramPaths, AnUnwritableProgramFolderKeepsItsDataAndWritesInTheUserConfigFolder) {
    EXPECT_EQ(choosePaths("/opt/vantorel", {.data = true, .writable = false}, "/home/u/cfg", "/home/u"),
              (ProgramPaths{"/opt/vantorel/", "/home/u/cfg/vantorel/config.ini"}));
}

TEST(ProgramPaths, ASettingsFileBesideTheExecutableIsTheUsersEvenInAFolderThatCantBeWritten) {
    const ProgramPaths portable{"/media/usb/vantorel/", "/media/usb/vantorel/config.ini"};
    EXPECT_EQ(choosePaths("/media/usb/vantorel", {.data = true, .settings = true}, "/home/u/cfg", "/home/u"),
              portable);
    EXPECT_EQ(choosePaths("/media/usb/vantorel", {.data = true, .settings = true, .writable = true},
                          "/home/u/cfg", "/home/u"),
              portable);
}

TEST(ProgramPaths, TheConfigFolderIsHomeDotConfigUnlessXdgConfigHomeIsAnAbsolutePath) {
    for (const QString& configHome : {QString(), QString("relative/cfg")})
        EXPECT_EQ(choosePaths("/usr/bin", {}, configHome, "/home/u").settingsFile,
                  "/home/u/.config/vantorel/config.ini")
            << configHome.toStdString();
    EXPECT_EQ(choosePaths("/usr/bin", {}, "/home/u/cfg/", "/home/u").settingsFile,
              "/home/u/cfg/vantorel/config.ini");
}

class ProgramLayoutOnDisk : public ::testing::Test {
protected:
    QTemporaryDir temporary;
    QString at(const QString& name) const { return temporary.filePath(name); }
    ProgramPaths layoutOf(const QString& folder) const {
        return findPaths(at(folder), DataFile::all, at("cfg"), at("home"));
    }
};

TEST_F(ProgramLayoutOnDisk, TheBuildsProgramFolderIsPortable) {
    ASSERT_EQ(writeProgramFiles(at("vantorel")), QString());
    EXPECT_EQ(layoutOf("vantorel"), (ProgramPaths{at("vantorel/"), at("vantorel/config.ini")}));
}

TEST_F(ProgramLayoutOnDisk, AFolderMissingSomeDataFilesStaysPortable) {
    ASSERT_TRUE(QDir().mkpath(at("vantorel")));
    QFile file(at("vantorel/ding.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(layoutOf("vantorel"), (ProgramPaths{at("vantorel/"), at("vantorel/config.ini")}));
}

TEST_F(ProgramLayoutOnDisk, AnInstalledPrefixIsFoundFromItsBinFolder) {
    ASSERT_TRUE(QDir().mkpath(at("prefix/bin")));
    ASSERT_EQ(writeProgramFiles(at("prefix/share/vantorel")), QString());
    EXPECT_EQ(layoutOf("prefix/bin"),
              (ProgramPaths{at("prefix/share/vantorel/"), at("cfg/vantorel/config.ini")}));
}

TEST_F(ProgramLayoutOnDisk, AFolderWithSettingsOfItsOwnKeepsThem) {
    ASSERT_TRUE(QDir().mkpath(at("vantorel")));
    QFile settings(at("vantorel/config.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    EXPECT_EQ(layoutOf("vantorel"), (ProgramPaths{at("vantorel/"), at("vantorel/config.ini")}));
}

TEST_F(ProgramLayoutOnDisk, AnUnwritableProgramFolderWritesInTheUserConfigFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes in any folder";
    ASSERT_EQ(writeProgramFiles(at("vantorel")), QString());
    ASSERT_TRUE(QFile::setPermissions(at("vantorel"), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(layoutOf("vantorel"), (ProgramPaths{at("vantorel/"), at("cfg/vantorel/config.ini")}));
    QFile::setPermissions(at("vantorel"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Folders Qt can't name, made one name at a time; rm removes them, which Qt can't either.
struct Place {
    const char* what;
    std::vector<QByteArray> names;
    bool throughTheWorkingFolder;
};

TEST_F(ProgramLayoutOnDisk, APortableFolderKeepsItsOwnSettingsWhateverBytesOrDepthItsNameHas) {
    const QString before = QDir::currentPath();
    const QByteArray armed = "[alarme]\nactive=1\n";
    const Place places[] = {
        {"plain", {"vantorel"}, false},
        {"Latin-1", {"d\xe9j\xe0"}, true},
        {"beyond the path limit", std::vector<QByteArray>(20, QByteArray(250, 'p')), true},
    };
    for (const Place& place : places) {
        QByteArray folder = QFile::encodeName(temporary.path());
        ASSERT_EQ(::chdir(folder.constData()), 0);
        for (const QByteArray& name : place.names) {
            folder += '/' + name;
            ASSERT_TRUE(::mkdir(name.constData(), 0700) == 0 && ::chdir(name.constData()) == 0);
        }
        const int fd = ::open("config.ini", O_WRONLY | O_CREAT, 0600);
        ASSERT_EQ(::write(fd, armed.constData(), size_t(armed.size())), armed.size());
        ::close(fd);
        QDir::setCurrent(before);
        const std::optional<QString> reached = reachableFolder(folder + "/vantorel");
        ASSERT_TRUE(reached) << place.what;
        EXPECT_EQ(*reached == workingFolder, place.throughTheWorkingFolder) << place.what;
        const QString settings = findPaths(*reached, DataFile::all, at("cfg"), at("home")).settingsFile;
        EXPECT_EQ(readRegularFile(settings, 1000), armed) << place.what;
        DiskFileStore().replace(settings, "[alarme]\nactive=0\n");
        EXPECT_EQ(readRegularFile(settings, 1000), "[alarme]\nactive=0\n") << place.what;
        QDir::setCurrent(before);
    }
    // Where even that fails, the program says so rather than take another layout.
    EXPECT_FALSE(reachableFolder(QFile::encodeName(temporary.path()) + "/d\xe9j\xe0/absent/vantorel"));
    QDir::setCurrent(before);
    QProcess::execute("rm", {"-rf", temporary.path()});
}

} // namespace
} // namespace vt
