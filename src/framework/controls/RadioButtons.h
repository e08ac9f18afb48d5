#pragma once

class QAbstractButton;

namespace vt {

// Checks or unchecks a radio button as the program does: checking unchecks the others of its window,
// unchecking checks none, so both of a pair can show unchecked (Qt's exclusive buttons refuse that).
void setRadioChecked(QAbstractButton& button, bool checked);

} // namespace vt
