#include "support/WindowsFixture.h"

#include "artwork/ClockArt.h"
#include "assets/ProgramFiles.h"
#include "common/DataFiles.h"
#include "common/SettingsKeys.h"
#include "framework/platform/DiskProgramFolder.h"
#include "shell/Unit1.h"

#include <QDir>
#include <QFile>
#include <QImage>
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
    EXPECT_EQ(choosePaths("/opt/vantorel", true, true, "/home/u/cfg", "/home/u"),
              (ProgramPaths{"/opt/vantorel/", "/opt/vantorel/config.ini"}));
}

TEST(ProgramPaths, AnInstalledCopyReadsItsPrefixAndWritesInTheUserConfigFolder) {
    const ProgramPaths installed{"/usr/share/vantorel/", "/home/u/cfg/vantorel/config.ini"};
    EXPECT_EQ(choosePaths("/usr/bin", false, false, "/home/u/cfg", "/home/u"), installed);
    // A prefix the user owns is still an installed copy.
    EXPECT_EQ(choosePaths("/home/u/.local/bin", false, true, "/home/u/cfg", "/home/u"),
              (ProgramPaths{"/home/u/.local/share/vantorel/", "/home/u/cfg/vantorel/config.ini"}));
}

TEST(ProgramPaths, AnUnwritableProgramFolderKeepsItsDataAndWritesInTheUserConfigFolder) {
    EXPECT_EQ(choosePaths("/opt/vantorel", true, false, "/home/u/cfg", "/home/u"),
              (ProgramPaths{"/opt/vantorel/", "/home/u/cfg/vantorel/config.ini"}));
}

TEST(ProgramPaths, TheConfigFolderIsHomeDotConfigUnlessXdgConfigHomeIsAnAbsolutePath) {
    for (const QString& configHome : {QString(), QString("relative/cfg")})
        EXPECT_EQ(choosePaths("/usr/bin", false, false, configHome, "/home/u").settingsFile,
                  "/home/u/.config/vantorel/config.ini")
            << configHome.toStdString();
    EXPECT_EQ(choosePaths("/usr/bin", false, false, "/home/u/cfg/", "/home/u").settingsFile,
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

TEST_F(ProgramLayoutOnDisk, AnUnwritableProgramFolderWritesInTheUserConfigFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes in any folder";
    ASSERT_EQ(writeProgramFiles(at("vantorel")), QString());
    ASSERT_TRUE(QFile::setPermissions(at("vantorel"), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(layoutOf("vantorel"), (ProgramPaths{at("vantorel/"), at("cfg/vantorel/config.ini")}));
    QFile::setPermissions(at("vantorel"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The settings file of an installed copy, in a config folder that doesn't exist yet.
class SettingsInTheUserConfigFolder : public ::testing::Test {
protected:
    QTemporaryDir config;
    TemporaryProgramFolder folder;
    DiskFileStore disk;
    QString configFolder = config.filePath("cfg/vantorel");
    Settings settings{configFolder + "/config.ini", disk};
};

TEST_F(SettingsInTheUserConfigFolder, TheFirstWriteMakesTheFoldersForTheUserAlone) {
    IniFile ini = settings.open();
    ini.write(keys::shakeCount, 3);
    ini.commit();
    QFile file(settings.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[option]\nvibreur=3\n");
    const auto userAlone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const QString& made : {configFolder, config.filePath("cfg")})
        EXPECT_EQ(QFile::permissions(made) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                  userAlone)
            << made.toStdString();
    EXPECT_FALSE(QFile::exists(folder.file("config.ini")));
}

TEST_F(SettingsInTheUserConfigFolder, AConfigFolderThatCantBeMadeIsTheFileThatCantBeWritten) {
    QFile blocker(config.filePath("cfg"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniFile ini = settings.open();
    ini.write(keys::shakeCount, 3);
    try {
        ini.commit();
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message(), "Impossible d'écrire dans " + settings.path());
    }
}

// The windows of an installed copy: the data folder on one side, the settings file on the other.
class WindowsOfAnInstalledCopy : public WindowsFixture {
protected:
    WindowsOfAnInstalledCopy() : WindowsFixture(SettingsPlace::UserConfigFolder) {}
    QString settingsPath = fakes.folder.settingsFile();
    QString settingsText() const {
        QFile file(settingsPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

TEST_F(WindowsOfAnInstalledCopy, TheExitWritesTheUsersFileWithTheDefaultSoundsInTheDataFolder) {
    windows->tearDown();
    const QString text = settingsText();
    EXPECT_TRUE(text.contains("\ncloche=" + fakes.folder.file("ding.wav") + "\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nson=" + fakes.folder.file("alarme1.wav") + "\n")) << text.toStdString();
    EXPECT_FALSE(QFile::exists(fakes.folder.file("config.ini")));
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(WindowsOfAnInstalledCopy, TheSettingsAreReadBackFromTheUsersFile) {
    Form1->ShakeCount = 7;
    windows.reset();
    windows = std::make_unique<WindowSet>(fakes.services);
    EXPECT_EQ(Form1->ShakeCount, 7);
}

TEST_F(WindowsOfAnInstalledCopy, TheResetDeletesTheUsersFileAndStartsANewCopy) {
    windows->tearDown();
    ASSERT_TRUE(QFile::exists(settingsPath));
    windows.reset();
    windows = std::make_unique<WindowSet>(fakes.services);
    fakes.boxes.answers = {Box::AnswerYes};
    Form1->Remisezro1Click();
    windows->tearDown();
    EXPECT_FALSE(QFile::exists(settingsPath));
    EXPECT_EQ(fakes.desktop.opened, QStringList({fakes.folder.executable()}));
}

TEST(ThemeIcons, TheIconAtEachSizeWhereTheDesktopLooksForIt) {
    QTemporaryDir theme;
    EXPECT_EQ(std::vector(std::begin(ThemeIconSizes), std::end(ThemeIconSizes)),
              std::vector({16, 32, 48, 64, 128, 256}));
    ASSERT_EQ(writeThemeIcons(theme.path(), "org.example.Clock"), QString());
    for (const int size : ThemeIconSizes) {
        const QString path = theme.filePath(QString("%1x%1/apps/org.example.Clock.png").arg(size));
        const QImage icon(path);
        EXPECT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << path.toStdString(); // round, on a transparent square
        EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
                  drawClockIcon(size).convertToFormat(QImage::Format_ARGB32));
    }
}

TEST(ThemeIcons, NamesWhatItCouldNotWrite) {
    QTemporaryDir temporary;
    QFile blocker(temporary.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(writeThemeIcons(temporary.filePath("blocker/hicolor"), "org.example.Clock").isEmpty());
}

} // namespace
} // namespace vt
