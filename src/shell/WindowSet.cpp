#include "WindowSet.h"

#include "Unit1.h"
#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "common/DataFiles.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "framework/core/Failure.h"
#include "framework/core/RegularFile.h"
#include "options/Unit2.h"
#include "stopwatch/Unit3.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QImageReader>

#include <utility>

template <class Window> void WindowSet::make(Window*& reference) {
    Window& made = registry.add(std::make_unique<Window>(services, registry));
    reference = &made;
    clearReferences.push_back([&reference] { reference = nullptr; });
    made.finishLoading();
}

WindowSet::WindowSet(vt::Services& services) : services(services) {
    make(Form1);
    make(Form2);
    make(Form3);
    make(Form4);
    make(Form5);
    make(Form6);
    make(Form7);
    make(Form8);
}

WindowSet::~WindowSet() { tearDown(); }

void WindowSet::loadApplicationIcon() {
    const QString path = services.folder.file(DataFile::icon);
    constexpr qint64 maxIconBytes = 16 << 20;
    std::optional<QByteArray> bytes = vt::readRegularFile(path, maxIconBytes);
    QIcon icon;
    if (bytes) {
        // Every size the file holds.
        QBuffer buffer(&*bytes);
        QImageReader reader(&buffer);
        do
            if (const QImage size = reader.read(); !size.isNull()) icon.addPixmap(QPixmap::fromImage(size));
        while (reader.jumpToNextImage());
    }
    if (icon.isNull()) throw vt::Failure(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(path));
    QApplication::setWindowIcon(icon);
}

void WindowSet::showMainWindow() {
    Form1->show();
    services.settings.sayWhyUnread();
}

void WindowSet::bringMainWindowToFront() { Form1->showInFront(); }

void WindowSet::tickNow() { Form1->Timer1Timer(); }

void WindowSet::saveSettingsQuietly() noexcept {
    if (Form1) Form1->saveSettingsQuietly();
}

void WindowSet::endSession() noexcept {
    services.boxes.close();
    saveSettingsQuietly();
    registry.endLoop();
}

void WindowSet::tearDown() {
    if (clearReferences.empty()) return;
    registry.tearDown();
    for (const auto& clear : std::exchange(clearReferences, {}))
        clear();
}

void WindowSet::restartIfAsked() {
    if (!registry.restartRequested()) return;
    QFile::remove(services.settings.path());
    services.desktop.open(services.folder.executable());
}
