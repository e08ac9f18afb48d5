#include "UpDown.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>

namespace vt {

namespace {

class AccessibleUpDown : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleUpDown(UpDown* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return QString::number(upDown().position());
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return upDown().position(); }
    // As many steps as the user would make, so that the window follows as it does for them.
    void setCurrentValue(const QVariant& value) override {
        const int steps = value.toInt() - upDown().position();
        for (int i = 0; i < std::abs(steps); ++i)
            upDown().step(steps > 0 ? +1 : -1);
    }
    QVariant maximumValue() const override { return upDown().maximum(); }
    QVariant minimumValue() const override { return upDown().minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    UpDown& upDown() const { return *static_cast<UpDown*>(widget()); }
};

QAccessibleInterface* accessibleUpDown(const QString&, QObject* object) {
    auto* upDown = qobject_cast<UpDown*>(object);
    return upDown ? new AccessibleUpDown(upDown) : nullptr;
}

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent), up(new QToolButton(this)), down(new QToolButton(this)) {
    [[maybe_unused]] static const bool readable = (QAccessible::installFactory(&accessibleUpDown), true);
    setFocusPolicy(Qt::StrongFocus);
    for (QToolButton* arrow : {up, down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(5, 3));
    }
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setAccessibleName(QStringLiteral("Plus"));
    down->setAccessibleName(QStringLiteral("Moins"));
    connect(up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setMinimum(int value) {
    min = value;
    pos = std::max(pos, min);
}

void UpDown::setMaximum(int value) {
    max = value;
    pos = std::min(pos, max);
}

void UpDown::setPosition(int value) {
    pos = std::clamp(value, min, std::max(min, max));
    announce();
}

void UpDown::step(int delta) {
    const int next = std::clamp(pos + delta, min, std::max(min, max));
    const bool moved = next != pos;
    pos = next;
    if (moved) emit changing(pos);
    emit clicked(delta > 0);
    announce();
}

void UpDown::announce() {
    if (pos == announced) return;
    announced = pos;
    QAccessibleValueChangeEvent change(this, pos);
    QAccessible::updateAccessibility(&change);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up->setGeometry(0, 0, width(), half);
    down->setGeometry(0, half, width(), height() - half);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up)
        step(+1);
    else if (event->key() == Qt::Key_Down)
        step(-1);
    else
        QWidget::keyPressEvent(event);
}

} // namespace vt
