#pragma once

#include "Color.h"

#include <QFont>
#include <QString>

class QWidget;

namespace vt {

// A window font as the program keeps it; unlike QFont it carries a colour.
struct FontValue {
    QString family;
    int pointSize = 8;
    Color color = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    QFont toQFont() const;
    static FontValue fromQFont(const QFont& font, Color color);
    bool operator==(const FontValue&) const = default;
};

// Gives a widget's text a colour, keeping its font.
void applyTextColor(QWidget& widget, Color color);
// Gives a window its background colour.
void applyBackground(QWidget& window, Color color);

} // namespace vt
