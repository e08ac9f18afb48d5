#include "Application.h"

#include "framework/core/Failure.h"
#include "framework/services/ErrorReport.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace vt {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Vantorel"));
    setQuitOnLastWindowClosed(false);
}

void Application::useFrenchInterface() {
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool Application::event(QEvent* event) {
    if (event->type() != QEvent::Quit || !quitRequest) return QApplication::event(event);
    quitRequest();
    return true;
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        if (errorReport)
            errorReport->show(messageOf(failure));
        else
            std::fprintf(stderr, "vantorel: %s\n", qPrintable(messageOf(failure)));
        return true;
    }
}

} // namespace vt
