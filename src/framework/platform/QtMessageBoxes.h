#pragma once

#include "framework/services/MessageBoxes.h"

namespace vt {

class QtMessageBoxes : public MessageBoxes {
protected:
    int ask(const QString& text, const QString& caption, int flags) override;
};

} // namespace vt
