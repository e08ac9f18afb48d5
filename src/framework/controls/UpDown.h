#pragma once

#include <QWidget>

class QToolButton;

namespace vt {

// An up-down spinner: two arrows that step a position within a range, stopping at its ends (no wrap).
// `changing` and `clicked` follow each step the user makes; setting the position from the program emits
// nothing. To a screen reader it is a spin button with its position as its value, each change said.
class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    explicit UpDown(QWidget* parent = nullptr);

    int minimum() const { return min; }
    void setMinimum(int value);
    int maximum() const { return max; }
    void setMaximum(int value);
    int position() const { return pos; }
    void setPosition(int value);

    // A step as the user makes it: +1 up, -1 down.
    void step(int delta);

signals:
    void changing(int position);
    void clicked(bool up);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Tells a screen reader the position, once the handlers of a step have set it.
    void announce();

    QToolButton* up;
    QToolButton* down;
    int min = 0;
    int max = 100;
    int pos = 0;
    int announced = 0;
};

} // namespace vt
