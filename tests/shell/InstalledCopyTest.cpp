#include "support/WindowsFixture.h"

#include "shell/Unit1.h"

#include <QFile>

#include <gtest/gtest.h>

namespace vt {
namespace {

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
    windows->restartIfAsked();
    EXPECT_FALSE(QFile::exists(settingsPath));
    EXPECT_EQ(fakes.desktop.opened, QStringList({fakes.folder.executable()}));
}

} // namespace
} // namespace vt
