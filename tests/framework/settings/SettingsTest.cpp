#include "framework/settings/Settings.h"
#include "common/SettingsKeys.h"
#include "framework/platform/DiskFileStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vt {
namespace {

// The settings file of an installed copy, in a config folder that doesn't exist yet.
class SettingsInTheUserConfigFolder : public ::testing::Test {
protected:
    QTemporaryDir config;
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

} // namespace
} // namespace vt
