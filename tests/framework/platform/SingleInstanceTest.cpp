#include "framework/platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(SingleInstance, ALaterCopyOnTheSameSettingsAsksTheRunningOneToTheFrontAndGoes) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("config.ini");
    vt::SingleInstance running(settings);
    ASSERT_FALSE(running.anotherRuns());
    int raised = 0;
    running.onRaiseRequest([&] { ++raised; });

    const vt::SingleInstance later(settings);
    EXPECT_TRUE(later.anotherRuns());
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }));

    // A portable copy elsewhere keeps its own settings and runs beside it.
    EXPECT_FALSE(vt::SingleInstance(dir.filePath("usb/config.ini")).anotherRuns());

    // The reset's new copy starts once the old one has let go.
    running.release();
    EXPECT_FALSE(vt::SingleInstance(settings).anotherRuns());
}

} // namespace
