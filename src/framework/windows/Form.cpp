#include "Form.h"

#include "framework/app/Application.h"
#include "framework/controls/Label.h"
#include "framework/controls/Timer.h"
#include "framework/core/Failure.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMetaMethod>

namespace vt {

Form::Form(Services& services) : services(services) { Application::instance()->registerForm(this); }

Form::~Form() { Application::instance()->unregisterForm(this); }

void Form::loaded() {
    if (QWidget* menu = menuWidget()) resize(width(), height() + menu->sizeHint().height());
    const QVariant left = property("Left"), top = property("Top");
    if (left.isValid() && top.isValid()) move(left.toInt(), top.toInt());
    if (layout())
        layout()->activate(); // places the client area under the menu bar now, not at the first show
    for (Label* label : findChildren<Label*>())
        label->adjustSize();
    for (Timer* timer : findChildren<Timer*>())
        timer->attach(services.clock);
    runHandler("OnCreate");
}

void Form::haltTimers() {
    for (Timer* timer : findChildren<Timer*>())
        timer->halt();
}

void Form::runDestroyHandler() { runHandler("OnDestroy"); }

bool Form::handlesEvent(const char* event) const {
    const QByteArray name = property(event).toString().toLatin1();
    return name.isEmpty() || metaObject()->indexOfMethod(name + "()") >= 0;
}

void Form::runHandler(const char* event) {
    const QByteArray name = property(event).toString().toLatin1();
    if (name.isEmpty()) return;
    guard([&] {
        if (!QMetaObject::invokeMethod(this, name.constData(), Qt::DirectConnection))
            throw Failure(QStringLiteral("%1 n'a pas de gestionnaire %2").arg(objectName(), name));
    });
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Application::instance()->formActivated(this);
        runHandler("OnActivate");
    }
    return QMainWindow::event(event);
}

void Form::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    runHandler("OnShow");
    const bool first = !shownBefore;
    shownBefore = true;
    // Without a window manager the main window isn't activated when it first appears.
    if (first && Application::instance()->mainForm() == this) Application::instance()->activate(this);
}

void Form::setVisible(bool visible) {
    // Hiding may deactivate the window before the hide event comes: take the state first.
    if (!visible && isVisible()) activeWhenHidden = isActiveWindow();
    QMainWindow::setVisible(visible);
}

void Form::showInFront() {
    show();
    Application::instance()->activate(this);
}

void Form::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    runHandler("OnHide");
    Application::instance()->formHidden(this, activeWhenHidden);
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (Application::instance()->mainForm() == this)
        Application::instance()->endLoop();
    else
        hide();
}

} // namespace vt
