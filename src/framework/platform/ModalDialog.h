#pragma once

class QDialog;

namespace vt {

// Runs a dialog modally and, once it closes, gives the window that was active the focus back: without a
// window manager nothing else would, and the next click would be lost.
int runModal(QDialog& dialog);

} // namespace vt
