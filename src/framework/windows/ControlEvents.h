#pragma once

#include <QByteArrayView>

#include <functional>

class QObject;

namespace vt {

// The events a control's description may bind to a handler of its window, each a property naming it:
// OnClick (a button, a check box, a radio button, a menu item, an up-down's arrow), OnChange (a track bar),
// OnChanging (an up-down's step) and OnTimer (a timer).
inline constexpr const char* controlEvents[] = {"OnClick", "OnChange", "OnChanging", "OnTimer"};

// Runs `handler` on each of the control's `event` while `context` lives; false when the control has no
// such event. A check box's or a radio button's click comes with every change of its state, by the user
// or by the program.
bool connectControlEvent(QObject& control, QByteArrayView event, QObject& context,
                         const std::function<void()>& handler);

} // namespace vt
