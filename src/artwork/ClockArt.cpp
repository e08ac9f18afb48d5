#include "artwork/ClockArt.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <string_view>

namespace vt {

namespace {

// The windows' designed background (button face), so the pictures' corners blend in.
const QColor ButtonFace(239, 239, 239);

const QColor FrameOutline(110, 8, 18);
const QColor FrameRed(204, 22, 36);
const QColor FrameLight(236, 96, 96);
const QColor FrameShade(150, 12, 26);
const QColor Ink(24, 24, 24);
const QColor CentreGrey(128, 128, 128);

constexpr int FaceCentre = 28;
constexpr int NumeralRadius = 19;

// The bell, one character per pixel: o outline, L light, Y gold, D shade, c clapper.
constexpr std::string_view BellPixels[] = {
    ".......ooo.......", ".......o.o.......", "......ooooo......", ".....oLYYYDo.....", "....oLYYYYYDo....",
    "....oLYYYYYDo....", "....oLYYYYYDo....", "...oLYYYYYYYDo...", "...oLYYYYYYYDo...", "..oLYYYYYYYYYDo..",
    ".oLYYYYYYYYYYYDo.", "oLYYYYYYYYYYYYYDo", "oDDDDDDDDDDDDDDDo", ".ooooooooooooooo.", "......occco......",
    ".......ooo.......", ".................",
};
constexpr std::string_view HourDot[] = {"##", "##"};
constexpr std::string_view CentreDot[] = {".#.", "###", ".#."};

// Draws a picture given as rows of characters, one character per pixel, each looked up in the legend.
void paintPixels(QImage& image, QPoint origin, std::span<const std::string_view> rows,
                 std::initializer_list<std::pair<char, QColor>> legend) {
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[y].size()); ++x)
            for (const auto& [key, colour] : legend)
                if (rows[y][x] == key) image.setPixelColor(origin + QPoint(x, y), colour);
}

// A 3 × 5 pixel font: a font render would be a grey smudge at this size.
std::array<std::string_view, 5> glyph(char digit) {
    switch (digit) {
    case '1':
        return {".#.", "##.", ".#.", ".#.", "###"};
    case '2':
        return {"##.", "..#", ".#.", "#..", "###"};
    case '3':
        return {"##.", "..#", ".#.", "..#", "##."};
    case '6':
        return {".##", "#..", "##.", "#.#", ".#."};
    default:
        return {".#.", "#.#", ".##", "..#", "##."}; // 9
    }
}

// Writes digits centred on the given pixel, one blank column between them.
void paintNumeral(QImage& image, QPoint centre, std::string_view digits) {
    const int width = int(digits.size()) * 4 - 1;
    QPoint origin(centre.x() - width / 2, centre.y() - 2);
    for (char digit : digits) {
        paintPixels(image, origin, glyph(digit), {{'#', Ink}});
        origin.rx() += 4;
    }
}

// Distance from the centre in the octagon's own measure: pixels at the same value lie on one octagon.
double octagonRadius(int dx, int dy) {
    dx = std::abs(dx);
    dy = std::abs(dy);
    return std::max({double(dx), double(dy), (dx + dy) / std::numbers::sqrt2});
}

// Which of the octagon's eight sides a pixel faces: 0 right, then clockwise (2 bottom, 4 left, 6 top).
int octagonSide(int dx, int dy) {
    return (int(std::lround(std::atan2(dy, dx) / (std::numbers::pi / 4))) + 8) % 8;
}

// From the outside in: an outline, three pixels of red, an outline, the dial.
QColor frameColour(int dx, int dy) {
    const double r = octagonRadius(dx, dy);
    if (r > 27.3) return ButtonFace;
    if (r > 26.3) return FrameOutline;
    if (r > 25.3) {
        // Light from the top left: the outer edge of the frame catches it on those sides.
        const int side = octagonSide(dx, dy);
        return side >= 4 && side <= 6 ? FrameLight : side <= 2 ? FrameShade : FrameRed;
    }
    if (r > 23.3) return FrameRed;
    if (r > 22.3) return FrameOutline;
    return Qt::white;
}

} // namespace

QImage drawClockFace() {
    QImage face(58, 56, QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            face.setPixelColor(x, y, frameColour(x - FaceCentre, y - FaceCentre));

    const QPoint centre(FaceCentre, FaceCentre);
    paintNumeral(face, centre + QPoint(0, -NumeralRadius), "12");
    paintNumeral(face, centre + QPoint(NumeralRadius, 0), "3");
    paintNumeral(face, centre + QPoint(0, NumeralRadius), "6");
    paintNumeral(face, centre + QPoint(-NumeralRadius, 0), "9");

    // The dots are two pixels wide, placed so that they sit symmetrically round the centre pixel.
    for (int hour = 1; hour < 12; ++hour) {
        if (hour % 3 == 0) continue;
        const double angle = hour * std::numbers::pi / 6;
        const int x = int(std::lround(FaceCentre + 0.5 + NumeralRadius * std::sin(angle))) - 1;
        const int y = int(std::lround(FaceCentre + 0.5 - NumeralRadius * std::cos(angle))) - 1;
        paintPixels(face, {x, y}, HourDot, {{'#', Ink}});
    }

    paintPixels(face, centre - QPoint(1, 1), CentreDot, {{'#', CentreGrey}});
    return face;
}

QImage drawBell() {
    QImage bell(17, 17, QImage::Format_RGB32);
    bell.fill(ButtonFace);
    paintPixels(bell, {0, 0}, BellPixels,
                {{'o', QColor(92, 58, 0)},
                 {'L', QColor(255, 240, 150)},
                 {'Y', QColor(240, 192, 32)},
                 {'D', QColor(184, 130, 12)},
                 {'c', QColor(90, 90, 90)}});
    return bell;
}

QImage drawClockIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.scale(size / 100.0, size / 100.0); // draw on a 100-unit square centred on the origin

    // Strokes have a floor in pixels, or the small icons fade into a smudge.
    const double pixel = 100.0 / size;
    auto stroke = [&](double units, double minimumPixels) { return std::max(units, minimumPixels * pixel); };

    QRadialGradient rim(-15, -15, 70);
    rim.setColorAt(0, FrameLight);
    rim.setColorAt(0.6, FrameRed);
    rim.setColorAt(1, FrameOutline);
    const double outline = stroke(3, 1);
    p.setPen(QPen(FrameOutline, outline));
    p.setBrush(rim);
    p.drawEllipse(QPointF(0, 0), 48 - outline / 2, 48 - outline / 2);

    const double dial = size <= 16 ? 35 : 36;
    p.setPen(QPen(FrameOutline, stroke(2, 0.5)));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), dial, dial);

    if (size >= 32) {
        for (int hour = 0; hour < 12; ++hour) {
            const bool quarter = hour % 3 == 0;
            p.save();
            p.rotate(hour * 30);
            p.setPen(QPen(Ink, quarter ? 4.5 : 3, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(0, -dial + 3), QPointF(0, -dial + (quarter ? 11 : 8)));
            p.restore();
        }
    }

    // Ten past ten, the hands' classic pose: clear of each other and of the numerals' places.
    auto hand = [&](double degrees, double length, double width, const QColor& colour, double tail) {
        p.save();
        p.rotate(degrees);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, tail), QPointF(0, -length));
        p.restore();
    };
    hand(305, dial * 0.6, stroke(7, 1.4), Ink, 0);
    hand(60, dial * 0.85, stroke(5, 1.1), Ink, 0);
    if (size >= 48) hand(200, dial * 0.85, 2, FrameRed, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(0, 0), stroke(5, 0.8), stroke(5, 0.8));
    return icon;
}

QList<QImage> drawClockIcons() { return {drawClockIcon(16), drawClockIcon(32), drawClockIcon(48)}; }

QIcon clockIcon() {
    QIcon icon;
    for (const QImage& size : drawClockIcons())
        icon.addPixmap(QPixmap::fromImage(size));
    return icon;
}

} // namespace vt
