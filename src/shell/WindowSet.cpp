#include "WindowSet.h"

#include "Unit1.h"
#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "common/DataFiles.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "framework/app/Application.h"
#include "framework/core/Failure.h"
#include "options/Unit2.h"
#include "stopwatch/Unit3.h"

#include <QFile>
#include <QIcon>
#include <QImage>

WindowSet::WindowSet(vt::Services& services) : services(services) {
    forms.push_back(std::make_unique<TForm1>(services));
    forms.push_back(std::make_unique<TForm2>(services));
    forms.push_back(std::make_unique<TForm3>(services));
    forms.push_back(std::make_unique<TForm4>(services));
    forms.push_back(std::make_unique<TForm5>(services));
    forms.push_back(std::make_unique<TForm6>(services));
    forms.push_back(std::make_unique<TForm7>(services));
    forms.push_back(std::make_unique<TForm8>(services));
}

WindowSet::~WindowSet() { tearDown(); }

void WindowSet::loadApplicationIcon() {
    const QString path = services.folder.file(DataFile::icon);
    QImage image;
    if (!image.load(path)) throw vt::Failure(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(path));
    QIcon icon(path);
    vt::Application::setWindowIcon(icon);
}

void WindowSet::showMainWindow() { Form1->show(); }

void WindowSet::tearDown() {
    if (forms.empty()) return;
    vt::Application::instance()->tearDown(forms);
    // After a reset the new copy starts from nothing, once this one has written its last.
    if (vt::Application::instance()->restartRequested()) {
        QFile::remove(services.settings.path());
        services.desktop.open(services.folder.executable());
    }
}
