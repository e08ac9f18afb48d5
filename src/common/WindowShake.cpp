#include "WindowShake.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int maxSteps = 1000;
} // namespace

void shakeWindow(QWidget& window, int steps, vt::Services& services) {
    services.random.seed(quint32(services.clock.utcMsOfDay()));
    if (steps <= 0) return;
    const QRect area = window.screen()->availableGeometry();
    const QSize frame = window.frameGeometry().size();
    const int maxLeft = std::max(area.left(), area.right() + 1 - frame.width());
    const int maxTop = std::max(area.top(), area.bottom() + 1 - frame.height());
    int left = window.x(), top = window.y();
    for (int step = 0; step < std::min(steps, maxSteps); ++step) {
        const int a = services.random.next(10), b = services.random.next(10);
        const int c = services.random.next(10), d = services.random.next(10);
        top = std::clamp(top + a - b, area.top(), maxTop);
        window.move(left, top);
        left = std::clamp(left + c - d, area.left(), maxLeft);
        window.move(left, top);
        // Each move goes to the screen at once, so the walk is seen.
        services.windowSystem.flush();
    }
}
