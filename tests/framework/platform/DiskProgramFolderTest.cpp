#include "framework/platform/DiskProgramFolder.h"
#include "assets/ProgramFiles.h"
#include "common/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

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

} // namespace
} // namespace vt
