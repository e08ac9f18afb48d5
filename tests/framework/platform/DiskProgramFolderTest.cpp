#include "framework/platform/DiskProgramFolder.h"
#include "assets/ProgramFiles.h"
#include "common/DataFiles.h"
#include "framework/core/RegularFile.h"
#include "framework/platform/DiskFileStore.h"

#include <QDir>
#include <QFile>
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

// Folders Qt can't name: made and removed one name at a time from the temporary folder, the working
// folder put back after each.
class FolderTheSystemNames : public ::testing::Test {
protected:
    QTemporaryDir temporary;
    const QString before = QDir::currentPath();
    ~FolderTheSystemNames() override { QDir::setCurrent(before); }

    // The folder's path, as bytes; it holds a config.ini with `settings` when made.
    QByteArray folder(const std::vector<QByteArray>& names) const {
        QByteArray path = QFile::encodeName(temporary.path());
        for (const QByteArray& name : names)
            path += '/' + name;
        return path;
    }
    void enter(const std::vector<QByteArray>& names, bool making) const {
        ASSERT_EQ(::chdir(QFile::encodeName(temporary.path()).constData()), 0);
        for (const QByteArray& name : names) {
            if (making) ::mkdir(name.constData(), 0700);
            ASSERT_EQ(::chdir(name.constData()), 0);
        }
    }
    void make(const std::vector<QByteArray>& names, const QByteArray& settings) const {
        enter(names, true);
        const int fd = ::open("config.ini", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_EQ(::write(fd, settings.constData(), size_t(settings.size())), settings.size());
        ::close(fd);
        QDir::setCurrent(before);
    }
    void remove(const std::vector<QByteArray>& names) const {
        enter(names, false);
        ::unlink("config.ini");
        for (auto name = names.rbegin(); name != names.rend(); ++name) {
            ASSERT_EQ(::chdir(".."), 0);
            ::rmdir(name->constData());
        }
        QDir::setCurrent(before);
    }
};

struct Place {
    const char* what;
    std::vector<QByteArray> names;
    bool throughTheWorkingFolder;
};

TEST_F(FolderTheSystemNames, APortableFolderKeepsItsOwnSettingsWhateverBytesOrDepthItsNameHas) {
    const QByteArray armed = "[alarme]\nactive=1\n";
    const Place places[] = {
        {"plain", {"vantorel"}, false},
        {"Latin-1", {"d\xe9j\xe0"}, true},
        {"beyond the path limit", std::vector<QByteArray>(20, QByteArray(250, 'p')), true},
    };
    for (const Place& place : places) {
        make(place.names, armed);
        const std::optional<QString> reached = reachableFolder(folder(place.names) + "/vantorel");
        ASSERT_TRUE(reached) << place.what;
        EXPECT_EQ(*reached == workingFolder, place.throughTheWorkingFolder) << place.what;
        const QString settings =
            findPaths(*reached, DataFile::all, temporary.filePath("cfg"), "/home/u").settingsFile;
        EXPECT_EQ(settings, *reached + "/config.ini") << place.what;
        EXPECT_EQ(readRegularFile(settings, 1000), armed) << place.what;
        DiskFileStore().replace(settings, "[alarme]\nactive=0\n");
        EXPECT_EQ(readRegularFile(settings, 1000), "[alarme]\nactive=0\n") << place.what;
        QDir::setCurrent(before);
        remove(place.names);
    }
    // Where even that fails, the program says so rather than take another layout.
    EXPECT_FALSE(reachableFolder(folder({"d\xe9j\xe0", "absent"}) + "/vantorel"));
}

} // namespace
} // namespace vt
