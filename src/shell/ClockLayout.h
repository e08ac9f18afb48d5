#pragma once

#include <QPoint>
#include <QSize>

class QMainWindow;
class QWidget;

// Where the main window's texts and bell stand at any font. At the designed font each stands as
// designed; a larger one keeps their order and gaps (the date under the time, the weekday after the date,
// the bell after the time, the face beside them) and the window grows to hold them, and shrinks back to
// its designed size with the font.
class ClockLayout {
public:
    // The designed places are the ones the date, the weekday and the window have now, as the description
    // left them. The time's designed size is gone already: with a font of its own, it was sized to its
    // text before it had one.
    ClockLayout(QMainWindow& window, QWidget& face, QWidget& time, QWidget& date, QWidget& weekday,
                QWidget& bell);

    // Once the texts or their font changed. The window is resized only when the room its texts need
    // changed, so a size the user gave it stays until then.
    void apply();

private:
    QMainWindow& window;
    QWidget &face, &time, &date, &weekday, &bell;
    const QPoint designedDate, designedWeekday;
    const QSize designedClient;
    QSize needed; // the client size the texts last needed
};
