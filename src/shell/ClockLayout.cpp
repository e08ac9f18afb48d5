#include "ClockLayout.h"

#include <QMainWindow>

#include <algorithm>

namespace {

int rightOf(const QWidget& widget) { return widget.x() + widget.width(); }
int bottomOf(const QWidget& widget) { return widget.y() + widget.height(); }

} // namespace

ClockLayout::ClockLayout(QMainWindow& window, QWidget& face, QWidget& time, QWidget& date, QWidget& weekday,
                         QWidget& bell)
    : window(window), face(face), time(time), date(date), weekday(weekday), bell(bell),
      designedDate(date.pos()), designedWeekday(weekday.pos()), designedClient(window.size()),
      needed(designedClient) {}

void ClockLayout::apply() {
    // The smallest gaps, those of the designed font: the date 2 pixels under the time, the weekday and
    // the bell 6 pixels after the date and the time.
    constexpr int underTime = 2, after = 6;
    const int row = std::max(designedDate.y(), bottomOf(time) + underTime);
    date.move(date.x(), row);
    weekday.move(std::max(designedWeekday.x(), rightOf(date) + after), row);
    bell.move(rightOf(time) + after, bell.y());

    // As far from the right and bottom edges as the face is from the left one.
    const int margin = face.x();
    const QSize room = QSize(std::max(rightOf(weekday), rightOf(bell)) + margin,
                             std::max(bottomOf(date), bottomOf(weekday)) + margin)
                           .expandedTo(designedClient);
    if (room == needed) return;
    needed = room;
    const QWidget* menu = window.menuWidget();
    window.resize(room + QSize(0, menu ? menu->sizeHint().height() : 0));
}
