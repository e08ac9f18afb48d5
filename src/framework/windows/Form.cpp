#include "Form.h"

#include "ControlEvents.h"
#include "FormRegistry.h"
#include "framework/controls/Label.h"
#include "framework/controls/Timer.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace vt {

namespace {
constexpr const char* windowEvents[] = {"OnCreate", "OnShow", "OnHide", "OnActivate", "OnDestroy"};

template <class Matches> QPushButton* buttonWhere(const QWidget& window, Matches matches) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (matches(*button)) return button;
    return nullptr;
}
} // namespace

Form::Form(Services& services, FormRegistry& registry) : services(services), registry(registry) {}

void Form::finishLoading() {
    if (QWidget* menu = menuWidget()) resize(width(), height() + menu->sizeHint().height());
    const QVariant left = property("Left"), top = property("Top");
    if (left.isValid() && top.isValid()) move(left.toInt(), top.toInt());
    if (layout())
        layout()->activate(); // places the client area under the menu bar now, not at the first show
    for (Label* label : findChildren<Label*>())
        label->adjustSize();
    for (Timer* timer : findChildren<Timer*>())
        timer->attach(services.clock);
    openMenuOnF10();
    findOwner();
    bindWindowEvents();
    bindControlEvents();
    runWindowHandler("OnCreate");
}

int Form::handlerIndex(const QString& name) {
    const int index = metaObject()->indexOfMethod(name.toLatin1() + "()");
    if (index < 0)
        services.report.show(QStringLiteral("%1 n'a pas de gestionnaire %2").arg(objectName(), name));
    return index;
}

void Form::bindWindowEvents() {
    for (const char* event : windowEvents) {
        const QString name = property(event).toString();
        if (name.isEmpty()) continue;
        if (const int index = handlerIndex(name); index >= 0) windowHandlers.insert(event, index);
    }
}

void Form::bindControlEvents() {
    // The widgets, the timers and the menu items.
    for (QObject* control : findChildren<QObject*>()) {
        for (const char* event : controlEvents) {
            const QString name = control->property(event).toString();
            if (name.isEmpty()) continue;
            const int index = handlerIndex(name);
            if (index < 0) continue;
            if (!connectControlEvent(*control, event, *this, [this, index] { runHandler(index); }))
                services.report.show(QStringLiteral("%1 de %2 n'a pas d'événement %3")
                                         .arg(control->objectName(), objectName(), QLatin1String(event)));
        }
    }
}

void Form::openMenuOnF10() {
    auto* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!bar || bar->actions().isEmpty()) return;
    // No caption carries a mnemonic: F10 opens the first menu, as desktops do, and the arrows, Return
    // and Escape go on from there.
    auto* openMenu = new QAction(this);
    openMenu->setShortcut(Qt::Key_F10);
    openMenu->setShortcutContext(Qt::WindowShortcut);
    addAction(openMenu);
    connect(openMenu, &QAction::triggered, bar, [bar] {
        QAction* first = bar->actions().first();
        bar->setActiveAction(first);
        // On its first command, as the desktop's menus open: the first Return chooses it, and a screen
        // reader reads it.
        if (QMenu* menu = first->menu(); menu && !menu->actions().isEmpty())
            menu->setActiveAction(menu->actions().first());
    });
}

void Form::findOwner() {
    const QString name = property("Owner").toString();
    if (name.isEmpty()) return;
    owner = registry.find(name);
    if (!owner) services.report.show(QStringLiteral("%1 n'a pas de propriétaire %2").arg(objectName(), name));
}

void Form::runHandler(int index) {
    services.report.guard([&] {
        // Straight to the generated dispatch of this class: nothing of Qt's own lies between the
        // guard and the handler.
        void* arguments[] = {nullptr};
        qt_metacall(QMetaObject::InvokeMetaMethod, index, arguments);
    });
}

void Form::runWindowHandler(const char* event) {
    const auto handler = windowHandlers.constFind(event);
    if (handler != windowHandlers.constEnd()) runHandler(*handler);
}

void Form::haltTimers() {
    for (Timer* timer : findChildren<Timer*>())
        timer->halt();
}

void Form::runDestroyHandler() { runWindowHandler("OnDestroy"); }

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        registry.activated(this);
        runWindowHandler("OnActivate");
        // The desktop activated a window that waits for its dialog (its task bar entry, a click on it): the
        // dialog comes forward, minimised or not.
        if (heldBy) heldBy->showInFront();
    }
    return QMainWindow::event(event);
}

void Form::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    runWindowHandler("OnShow");
    if (owner) {
        owner->setEnabled(false);
        owner->heldBy = this;
    }
    const bool first = !shownBefore;
    shownBefore = true;
    // Without a window manager the main window isn't activated when it first appears.
    if (first && registry.mainForm() == this) registry.activate(this);
}

void Form::setVisible(bool visible) {
    // Hiding may deactivate the window before the hide event comes: take the state first.
    if (!visible && isVisible()) activeWhenHidden = isActiveWindow();
    QMainWindow::setVisible(visible);
}

void Form::showInFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    if (!heldBy) {
        registry.activate(this);
        return;
    }
    // The window that takes no input never covers the one that must be answered.
    raise();
    heldBy->showInFront();
}

void Form::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    // The owner first, so that a hide handler's failure can't leave it disabled.
    if (owner) {
        owner->setEnabled(true);
        owner->heldBy = nullptr;
    }
    runWindowHandler("OnHide");
    registry.hidden(this, activeWhenHidden);
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    // A window a dialog disabled waits for it, its close box too.
    if (!isEnabled()) return;
    if (registry.mainForm() == this)
        registry.endLoop();
    else
        hide();
}

void Form::keyPressEvent(QKeyEvent* event) {
    QPushButton* pressed = nullptr;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused push button that isn't the default one lets Return through to its window.
        pressed = qobject_cast<QPushButton*>(focusWidget());
        if (!pressed)
            pressed = buttonWhere(*this, [](const QPushButton& button) { return button.isDefault(); });
    } else if (event->key() == Qt::Key_Escape) {
        pressed =
            buttonWhere(*this, [](const QPushButton& button) { return button.property("Cancel").toBool(); });
    }
    if (pressed && pressed->isVisible() && pressed->isEnabled())
        pressed->click();
    else
        QMainWindow::keyPressEvent(event);
}

} // namespace vt
