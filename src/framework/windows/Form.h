#pragma once

#include "FormRegistry.h"
#include "framework/services/Services.h"

#include <QHash>
#include <QMainWindow>

namespace vt {

// The base of every window. Its description (.ui) gives its designed client size (the area under the menu
// bar) as its geometry, its screen position as the properties Left and Top, and names the handlers of its
// events: the window's own in the properties OnCreate, OnShow, OnHide, OnActivate and OnDestroy, its
// controls' in theirs (see ControlEvents.h). A dialog that edits another window's data names that window
// in the property Owner: the owner is disabled while the dialog is shown. As in the desktop's dialogs, Return
// presses the focused push button, or else the window's default one (`default`), and Escape the one whose
// property Cancel is set.
class Form : public QMainWindow {
    Q_OBJECT

public:
    Form(Services& services, FormRegistry& registry);

    // Once the description is loaded: applies the designed geometry, binds the events to their handlers
    // (a binding to a handler that doesn't exist is reported), connects the timers to the clock, and runs
    // the creation handler.
    void finishLoading();

    // Stops the window's timers without changing their settings.
    void haltTimers();
    void runDestroyHandler();

    void setVisible(bool visible) override;
    // Shows the window, or brings it to the front when it is shown already, minimised too. A window a dialog
    // disabled comes forward under that dialog, which is activated.
    void showInFront();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    Services& services;
    FormRegistry& registry;

private:
    void bindWindowEvents();
    void bindControlEvents();
    void openMenuOnF10();
    void findOwner();
    // The handler's method, or -1 after reporting that there is none.
    int handlerIndex(const QString& name);
    // Every failure it throws ends it and is reported; none goes through Qt's code.
    void runHandler(int index);
    void runWindowHandler(const char* event);

    QHash<QByteArray, int> windowHandlers;
    Form* owner = nullptr;
    Form* heldBy = nullptr; // the shown dialog that disabled this window
    bool shownBefore = false;
    bool activeWhenHidden = false;
};

} // namespace vt
