#include "framework/app/Application.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace {

// The session manager ends a session with a quit request: the program's own end handles it.
TEST(Application, ASystemQuitRequestGoesToTheEndOfTheSession) {
    auto& application = *static_cast<vt::Application*>(QCoreApplication::instance());
    int ends = 0;
    application.onQuitRequest([&] { ++ends; });
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(&application, &quit);
    application.onQuitRequest({});
    EXPECT_EQ(ends, 1);
}

} // namespace
