#pragma once

#include <QList>

#include <memory>
#include <vector>

class QString;

namespace vt {

class Form;

// The windows of one run of the program: they are made in order, the first one being the main window,
// and torn down in the reverse order. It keeps the order in which they were activated, and whether the
// message loop was asked to end.
class FormRegistry {
public:
    FormRegistry() = default;
    ~FormRegistry();
    FormRegistry(const FormRegistry&) = delete;
    FormRegistry& operator=(const FormRegistry&) = delete;

    template <class Window> Window& add(std::unique_ptr<Window> form) {
        Window& added = *form;
        forms.push_back(std::move(form));
        return added;
    }
    Form* mainForm() const { return forms.empty() ? nullptr : forms.front().get(); }
    Form* find(const QString& name) const;

    void activated(Form* form);
    // When the active window is hidden, the most recently active remaining visible and enabled window
    // becomes active.
    void hidden(Form* form, bool wasActive);
    void activate(Form* form);

    // Asks the message loop to end, a nested one too (a message box); remembered, so that the entry can
    // tell it was asked before the loop started.
    void endLoop();
    // Ends the loop; a new copy of the program starts once this one is torn down.
    void endLoopAndRestart();
    bool loopEndRequested() const { return endRequested; }
    bool restartRequested() const { return restart; }

    // Stops the timers and the activation handling; then, from the last window made to the first, hides
    // it if it is shown (its hide handler runs) and runs its destroy handler; only then frees them all, so
    // the main window's destroy handler still reads every other window.
    void tearDown();

private:
    std::vector<std::unique_ptr<Form>> forms;
    QList<Form*> recentlyActive;
    bool activationHandling = true;
    bool endRequested = false;
    bool restart = false;
};

} // namespace vt
