#include "framework/app/Application.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <ctime>

namespace {

QtMessageHandler qtHandler = nullptr;

// A connection from a window description to a handler that doesn't exist only warns: make it fail.
void failOnBrokenConnections(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && message.contains(QLatin1String("QObject::connect")))
        ADD_FAILURE() << qPrintable(message);
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Paris");
    tzset();
    vt::Application application(argc, argv);
    application.useFrenchInterface();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    qtHandler = qInstallMessageHandler(failOnBrokenConnections);
    return RUN_ALL_TESTS();
}
