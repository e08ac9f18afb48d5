#include "RadioButtons.h"

#include <QAbstractButton>

namespace vt {

void setRadioChecked(QAbstractButton& button, bool checked) {
    if (checked || !button.isChecked()) {
        button.setChecked(checked);
        return;
    }
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(exclusive);
}

} // namespace vt
