#include "ControlEvents.h"

#include "framework/controls/Timer.h"
#include "framework/controls/UpDown.h"

#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>

namespace vt {

namespace {

template <class Control, class Signal>
bool bind(QObject& control, Signal signal, QObject& context, const std::function<void()>& handler) {
    auto* typed = qobject_cast<Control*>(&control);
    if (!typed) return false;
    QObject::connect(typed, signal, &context, [handler] { handler(); });
    return true;
}

} // namespace

bool connectControlEvent(QObject& control, QByteArrayView event, QObject& context,
                         const std::function<void()>& handler) {
    if (event == "OnClick")
        return bind<QCheckBox>(control, &QCheckBox::toggled, context, handler) ||
               bind<QRadioButton>(control, &QRadioButton::toggled, context, handler) ||
               bind<QAbstractButton>(control, &QAbstractButton::clicked, context, handler) ||
               bind<QAction>(control, &QAction::triggered, context, handler) ||
               bind<UpDown>(control, &UpDown::clicked, context, handler);
    if (event == "OnChange")
        return bind<QAbstractSlider>(control, &QAbstractSlider::valueChanged, context, handler);
    if (event == "OnChanging") return bind<UpDown>(control, &UpDown::changing, context, handler);
    if (event == "OnTimer") return bind<Timer>(control, &Timer::timeout, context, handler);
    return false;
}

} // namespace vt
