#include "ModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace vt {

int runModal(QDialog& dialog) {
    const QPointer<QWidget> owner = QApplication::activeWindow();
    const int result = dialog.exec();
    if (owner && owner->isVisible() && owner->isEnabled()) {
        owner->raise();
        owner->activateWindow();
    }
    return result;
}

} // namespace vt
