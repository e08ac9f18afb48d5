#pragma once

#include <QtGlobal>

class QColor;
class QPalette;

namespace vt {

// A colour as the program keeps and stores it: a plain colour 0x00BBGGRR, or a system colour
// 0x80000000 | index, drawn with the matching colour of the palette.
using Color = qint32;

constexpr Color systemColor(int index) { return static_cast<Color>(0x80000000u | unsigned(index)); }

constexpr Color clWindowText = systemColor(8);
constexpr Color clBtnFace = systemColor(15);
constexpr Color clNavy = 0x800000;

QColor toQColor(Color color, const QPalette& palette);
Color fromQColor(const QColor& color);

} // namespace vt
