#include "WindowsFixture.h"

#include "artwork/ClockArt.h"
#include "assets/ProgramFiles.h"

#include <QFile>

void WindowsFixture::SetUp() {
    writeProgramFile("Horloge.bmp");
    writeProgramFile("CLOCHE.BMP");
    windows = std::make_unique<WindowSet>(fakes.services);
}

void WindowsFixture::TearDown() {
    if (windows) windows->tearDown();
}

void WindowsFixture::writeProgramFile(const QString& name) {
    QFile file(fakes.folder.file(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(vt::bmpFile256(name == "Horloge.bmp" ? vt::drawClockFace() : vt::drawBell()));
}

void WindowsFixture::removeProgramFile(const QString& name) { QFile::remove(fakes.folder.file(name)); }

void WindowsFixture::runUntil(const QDateTime& local) {
    fakes.clock.advance(fakes.clock.localNow().msecsTo(local));
}

void WindowsFixture::startAt(const QDateTime& local) {
    // The timers were armed at the fake clock's start: set the clock and let them realign.
    fakes.clock.setLocal(local);
    windows.reset();
    windows = std::make_unique<WindowSet>(fakes.services);
}

void WindowsFixture::restart(std::optional<QByteArray> settings) {
    windows.reset();
    fakes.clock.startProgram();
    if (settings) {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*settings);
    }
    windows = std::make_unique<WindowSet>(fakes.services);
}
