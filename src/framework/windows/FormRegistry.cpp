#include "FormRegistry.h"

#include "Form.h"

#include <QCoreApplication>

namespace vt {

FormRegistry::~FormRegistry() { tearDown(); }

Form* FormRegistry::find(const QString& name) const {
    for (const auto& form : forms)
        if (form->objectName() == name) return form.get();
    return nullptr;
}

void FormRegistry::activated(Form* form) {
    recentlyActive.removeAll(form);
    recentlyActive.prepend(form);
}

void FormRegistry::hidden(Form* form, bool wasActive) {
    if (!activationHandling || !wasActive) return;
    for (Form* candidate : recentlyActive)
        if (candidate != form && candidate->isVisible() && candidate->isEnabled()) {
            activate(candidate);
            return;
        }
}

void FormRegistry::activate(Form* form) {
    if (!activationHandling) return;
    form->raise();
    form->activateWindow();
}

void FormRegistry::endLoop() {
    endRequested = true;
    QCoreApplication::exit(0);
}

void FormRegistry::endLoopAndRestart() {
    restart = true;
    endLoop();
}

void FormRegistry::tearDown() {
    for (auto& form : forms)
        form->haltTimers();
    activationHandling = false;
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if ((*it)->isVisible()) (*it)->hide();
        (*it)->runDestroyHandler();
    }
    recentlyActive.clear();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        it->reset();
    forms.clear();
}

} // namespace vt
