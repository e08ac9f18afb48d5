#include "Color.h"

#include <QColor>
#include <QPalette>

namespace vt {

namespace {

QPalette::ColorRole roleOfSystemColor(int index) {
    switch (index) {
    case 5:
        return QPalette::Base; // window
    case 6:
        return QPalette::Dark; // window frame
    case 7:
        return QPalette::WindowText; // menu text
    case 8:
        return QPalette::WindowText; // window text
    case 13:
        return QPalette::Highlight; // highlight
    case 14:
        return QPalette::HighlightedText; // highlight text
    case 16:
        return QPalette::Mid; // button shadow
    case 17:
        return QPalette::PlaceholderText; // grey text
    case 18:
        return QPalette::ButtonText; // button text
    case 20:
        return QPalette::Light; // button highlight
    case 23:
        return QPalette::ToolTipText; // info text
    case 24:
        return QPalette::ToolTipBase; // info background
    default:
        return QPalette::Window; // button face, and any index we do not know
    }
}

} // namespace

QColor toQColor(Color color, const QPalette& palette) {
    const auto value = static_cast<quint32>(color);
    if (value & 0x80000000u) return palette.color(QPalette::Active, roleOfSystemColor(int(value & 0xFFu)));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

Color fromQColor(const QColor& color) {
    return Color(color.red() | (color.green() << 8) | (color.blue() << 16));
}

} // namespace vt
