#include "FontValue.h"

#include <QApplication>
#include <QWidget>

namespace vt {

QFont FontValue::toQFont() const {
    QFont font(family, pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

FontValue FontValue::fromQFont(const QFont& font, Color color) {
    return {font.family(), font.pointSize(), color,           font.bold(),
            font.italic(), font.underline(), font.strikeOut()};
}

void applyTextColor(QWidget& widget, Color color) {
    QPalette palette = widget.palette();
    const QColor resolved = toQColor(color, QApplication::palette());
    palette.setColor(QPalette::WindowText, resolved);
    palette.setColor(QPalette::ButtonText, resolved);
    palette.setColor(QPalette::Text, resolved);
    widget.setPalette(palette);
}

void applyBackground(QWidget& window, Color color) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, toQColor(color, QApplication::palette()));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

} // namespace vt
