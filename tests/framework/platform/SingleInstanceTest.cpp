#include "framework/platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// A session bus of the test's own, set before anything connects to one, so that a later copy's request
// reaches the running copy.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
        if (daemon.waitForReadyRead(5000)) qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.readLine().trimmed());
    }
    ~PrivateSessionBus() {
        daemon.kill();
        daemon.waitForFinished();
    }

private:
    QProcess daemon;
};

struct Names {
    const char* running;
    const char* later;
    bool oneCopy;
};

TEST(SingleInstance, OneCopyPerSettingsFileWhateverItsNameAndWithoutARuntimeFolder) {
    const PrivateSessionBus bus;
    // As under su, cron or some ssh sessions, where Qt's own fallback folder may be another user's.
    qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("folder-link")));
    ASSERT_TRUE(QFile::link("config.ini", dir.filePath("file-link.ini")));
    const Names cases[] = {
        {"config.ini", "config.ini", true},
        {"config.ini", "folder-link/config.ini", true},
        {"config.ini", "file-link.ini", true},
        {"file-link.ini", "sub/../config.ini", true},
        // A portable copy elsewhere keeps its own settings and runs beside it.
        {"config.ini", "usb/config.ini", false},
    };
    for (const Names& names : cases) {
        vt::SingleInstance running(dir.filePath(names.running));
        ASSERT_FALSE(running.anotherRuns()) << names.running;
        int raised = 0;
        running.onRaiseRequest([&] { ++raised; });
        EXPECT_EQ(vt::SingleInstance(dir.filePath(names.later)).anotherRuns(), names.oneCopy) << names.later;
        EXPECT_EQ(raised, names.oneCopy ? 1 : 0) << names.later;
        // The reset's new copy starts once the old one has let go.
        running.release();
        EXPECT_FALSE(vt::SingleInstance(dir.filePath(names.later)).anotherRuns()) << names.later;
    }
}

TEST(SingleInstance, AGuardThatCantBeSetUpIsSaidAndTheCopyRuns) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(".config.ini.lock"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(vt::SingleInstance(dir.filePath("config.ini")).anotherRuns());
    EXPECT_TRUE(
        QString::fromStdString(testing::internal::GetCapturedStderr())
            .startsWith("vantorel : impossible de poser le verrou " + dir.filePath(".config.ini.lock")));
}

} // namespace
