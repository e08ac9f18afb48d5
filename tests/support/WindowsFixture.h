#pragma once

#include "Fakes.h"

#include "shell/WindowSet.h"

#include <gtest/gtest.h>

#include <optional>

// The eight windows made on fake services, with the clock's pictures in the program folder.
class WindowsFixture : public ::testing::Test {
protected:
    explicit WindowsFixture(SettingsPlace place = SettingsPlace::ProgramFolder) : fakes(place) {}
    void SetUp() override;
    void TearDown() override;

    // Puts a file of the program folder back (or there for the first time), or takes it away.
    void writeProgramFile(const QString& name);
    void removeProgramFile(const QString& name);

    // Sets the clock and lets it run to just past the given local time, firing every timer on the way.
    void runUntil(const QDateTime& local);
    void startAt(const QDateTime& local);

    // A new run of the program on the same folder, on the settings file the last one left or on this one.
    void restart(std::optional<QByteArray> settings = {});
    QString settingsPath() const { return fakes.folder.file("config.ini"); }

    Fakes fakes;
    std::unique_ptr<WindowSet> windows;
};
