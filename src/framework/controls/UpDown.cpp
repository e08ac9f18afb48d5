#include "UpDown.h"

#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace vt {

UpDown::UpDown(QWidget* parent) : QWidget(parent), up(new QToolButton(this)), down(new QToolButton(this)) {
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

void UpDown::setPosition(int value) { pos = std::clamp(value, min, std::max(min, max)); }

void UpDown::step(int delta) {
    const int next = std::clamp(pos + delta, min, std::max(min, max));
    const bool moved = next != pos;
    pos = next;
    if (moved) emit changing(pos);
    emit clicked(delta > 0);
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
