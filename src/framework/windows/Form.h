#pragma once

#include "framework/services/Services.h"

#include <QMainWindow>

namespace vt {

// The base of every window. Its description (.ui) names the handlers of its window events in the dynamic
// properties OnCreate, OnShow, OnHide, OnActivate and OnDestroy, and gives its designed client size (the
// area under the menu bar) as its geometry and its screen position as the properties Left and Top.
class Form : public QMainWindow {
    Q_OBJECT

public:
    explicit Form(Services& services);
    ~Form() override;

    // Stops the window's timers without changing their settings.
    void haltTimers();
    void runDestroyHandler();

    // Whether the named handler of a window event exists (every name the description gives must).
    bool handlesEvent(const char* event) const;

    void setVisible(bool visible) override;
    // Shows the window, or brings it to the front when it is shown already.
    void showInFront();

protected:
    // Called by each window once its description is loaded: applies the designed geometry, connects the
    // timers to the clock, and runs the creation handler.
    void loaded();

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    Services& services;

private:
    void runHandler(const char* event);

    bool shownBefore = false;
    bool activeWhenHidden = false;
};

} // namespace vt
