#include "artwork/ClockArt.h"
#include "assets/HelpDocument.h"
#include "assets/ProgramFiles.h"
#include "assets/Sounds.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace vt {
namespace {

constexpr QPoint FaceCentre(28, 28);

bool isWhite(QColor c) { return c == Qt::white; }
bool isRed(QColor c) { return c.red() > 90 && c.green() < 110 && c.blue() < 110 && c.red() > 2 * c.green(); }
bool isDark(QColor c) { return c.lightness() < 80; }

double distance(QPoint a, QPoint b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

int darkPixelsAround(const QImage& image, QPoint centre, int reach) {
    int count = 0;
    for (int y = centre.y() - reach; y <= centre.y() + reach; ++y)
        for (int x = centre.x() - reach; x <= centre.x() + reach; ++x)
            count += isDark(image.pixelColor(x, y));
    return count;
}

TEST(ClockFace, Is58By56) { EXPECT_EQ(drawClockFace().size(), QSize(58, 56)); }

TEST(ClockFace, LeavesTheHandsAWhiteDialWithAGreyCentreDot) {
    const QImage face = drawClockFace();
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QPoint p(x, y);
            if (distance(p, FaceCentre) <= 14 && distance(p, FaceCentre) > 1.5) {
                EXPECT_TRUE(isWhite(face.pixelColor(p))) << x << ", " << y;
            }
        }
    }
    const QColor dot = face.pixelColor(FaceCentre);
    EXPECT_EQ(dot.red(), dot.green());
    EXPECT_EQ(dot.green(), dot.blue());
    EXPECT_GT(dot.lightness(), 60);
    EXPECT_LT(dot.lightness(), 200);
}

TEST(ClockFace, HasARedFrameRoundTheDialInEveryDirection) {
    const QImage face = drawClockFace();
    const QPoint directions[] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    for (QPoint step : directions) {
        QPoint p = FaceCentre;
        while (face.valid(p + step) && !isRed(face.pixelColor(p)))
            p += step;
        EXPECT_TRUE(isRed(face.pixelColor(p))) << "towards " << step.x() << ", " << step.y();
        EXPECT_GT(distance(p, FaceCentre), 20) << "towards " << step.x() << ", " << step.y();
    }
}

TEST(ClockFace, IsOctagonalNotSquare) {
    const QImage face = drawClockFace();
    for (QPoint corner : {QPoint(2, 2), QPoint(54, 2), QPoint(2, 54), QPoint(54, 54)})
        EXPECT_FALSE(isRed(face.pixelColor(corner)));
    for (QPoint edge : {QPoint(28, 2), QPoint(54, 28), QPoint(28, 54), QPoint(2, 28)})
        EXPECT_TRUE(isRed(face.pixelColor(edge)));
}

TEST(ClockFace, MarksTwelveHoursOutsideTheHandsReach) {
    const QImage face = drawClockFace();
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * std::numbers::pi / 6;
        const QPoint mark(28 + int(std::lround(19 * std::sin(angle))),
                          28 - int(std::lround(19 * std::cos(angle))));
        EXPECT_GE(darkPixelsAround(face, mark, 2), hour % 3 == 0 ? 5 : 3) << "hour " << hour;
    }
    // The minute hand's tips at the quarters end on white, not on a numeral.
    for (QPoint tip : {QPoint(28, 16), QPoint(40, 28), QPoint(28, 40), QPoint(16, 28)})
        EXPECT_EQ(darkPixelsAround(face, tip, 1), 0);
}

TEST(ClockFace, BitmapIn256ColoursKeepsEveryPixel) {
    const QImage face = drawClockFace();
    const QByteArray bmp = bmpFile256(face);
    ASSERT_GT(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 8); // bits per pixel
    const QImage loaded = QImage::fromData(bmp, "BMP");
    ASSERT_EQ(loaded.size(), face.size());
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            ASSERT_EQ(loaded.pixelColor(x, y), face.pixelColor(x, y)) << x << ", " << y;
}

TEST(Bell, IsAGoldenPictureOnAPlainBackground) {
    const QImage bell = drawBell();
    ASSERT_EQ(bell.size(), QSize(17, 17));
    int golden = 0;
    int dark = 0;
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 17; ++x) {
            const QColor c = bell.pixelColor(x, y);
            golden += c.red() > 200 && c.green() > 150 && c.blue() < 100;
            dark += isDark(c);
        }
    }
    EXPECT_GT(golden, 60);
    EXPECT_GT(dark, 20);
    const QColor background = bell.pixelColor(0, 0);
    EXPECT_GT(background.lightness(), 200);
    EXPECT_EQ(bell.pixelColor(16, 0), background);
    EXPECT_EQ(bell.pixelColor(16, 16), background);
}

TEST(ClockIcon, IsARoundPictureAtEveryThemeSize) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = drawClockIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 10)), 255) << size;
        EXPECT_TRUE(isRed(icon.pixelColor(size / 2, size / 20 + 1))) << size;
    }
}

TEST(ClockIcon, IcoFileHoldsEachSizePixelForPixel) {
    const QList<QImage> icons = {drawClockIcon(16), drawClockIcon(32), drawClockIcon(48)};
    QByteArray ico = icoFile(icons);
    QBuffer buffer(&ico);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage loaded = reader.read().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(loaded, icons[i].convertToFormat(QImage::Format_ARGB32)) << "picture " << i;
    }
}

struct Wav {
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    QList<qint16> samples;
};

Wav parseWav(const QByteArray& bytes) {
    Wav wav;
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
        bytes.mid(36, 4) != "data")
        return wav;
    const char* d = bytes.constData();
    wav.format = qFromLittleEndian<quint16>(d + 20);
    wav.channels = qFromLittleEndian<quint16>(d + 22);
    wav.rate = qFromLittleEndian<quint32>(d + 24);
    wav.bits = qFromLittleEndian<quint16>(d + 34);
    const quint32 size = qFromLittleEndian<quint32>(d + 40);
    EXPECT_EQ(qFromLittleEndian<quint32>(d + 4), bytes.size() - 8);
    EXPECT_EQ(size, bytes.size() - 44);
    for (quint32 i = 0; i + 1 < size; i += 2)
        wav.samples.append(qFromLittleEndian<qint16>(d + 44 + i));
    return wav;
}

void expectPlayableSound(const std::vector<std::int16_t>& samples, double shortest, double longest) {
    const Wav wav = parseWav(wavFile(samples));
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.rate, 44100u);
    EXPECT_EQ(wav.bits, 16);
    const double seconds = double(wav.samples.size()) / wav.rate;
    EXPECT_GE(seconds, shortest);
    EXPECT_LE(seconds, longest);

    int peak = 0;
    for (qint16 s : wav.samples)
        peak = std::max(peak, std::abs(int(s)));
    const double peakDb = 20 * std::log10(peak / 32768.0);
    EXPECT_GT(peakDb, -4.5);
    EXPECT_LT(peakDb, -2.0); // headroom, no clipping
    ASSERT_FALSE(wav.samples.isEmpty());
    EXPECT_LT(std::abs(wav.samples.front()), 100); // no click at either end
    EXPECT_LT(std::abs(wav.samples.back()), 100);
}

TEST(Sounds, ChimeIsAShortBell) { expectPlayableSound(synthesiseChime(), 1.0, 2.0); }

TEST(Sounds, AlarmRingsForAFewSeconds) { expectPlayableSound(synthesiseAlarm(), 3.0, 5.0); }

TEST(Sounds, AlarmRingsInBurstsWithPausesBetween) {
    const std::vector<std::int16_t> alarm = synthesiseAlarm();
    // Loudness in tenths of a second: loud while ringing, much quieter in the pauses.
    std::vector<double> loudness;
    for (std::size_t start = 0; start + SampleRate / 10 <= alarm.size(); start += SampleRate / 10) {
        double sum = 0;
        for (std::size_t n = start; n < start + SampleRate / 10; ++n)
            sum += double(alarm[n]) * alarm[n];
        loudness.push_back(std::sqrt(sum / (SampleRate / 10)));
    }
    const double loudest = *std::max_element(loudness.begin(), loudness.end());
    int quietStretches = 0;
    for (std::size_t i = 1; i < loudness.size(); ++i)
        quietStretches += loudness[i] < loudest / 10 && loudness[i - 1] >= loudest / 10;
    EXPECT_GE(quietStretches, 2);
}

TEST(HelpDocument, IsRtfInFrench) {
    const QByteArray rtf = helpDocument();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "at " << i;
        if (rtf[i] == '\\')
            ++i; // an escaped brace or backslash
        else
            depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    for (const char* heading :
         {"La fen\\'eatre principale", "Les menus", "Le chronom\\'e8tre", "Le compte \\'e0 rebours",
          "L'alarme", "Param\\'e9trer l'alarme", "Les options", "config.ini"})
        EXPECT_TRUE(rtf.contains(heading)) << heading;
}

TEST(ProgramFiles, WritesEveryFileTheProgramReads) {
    QTemporaryDir temporary;
    const QString folder = temporary.filePath("vantorel");
    ASSERT_EQ(writeProgramFiles(folder), QString());
    const QDir dir(folder);
    for (const char* name :
         {"horloge.ico", "Horloge.bmp", "CLOCHE.BMP", "ding.wav", "alarme1.wav", "Aidez-moi.doc"})
        EXPECT_GT(QFileInfo(dir.filePath(name)).size(), 0) << name;
    EXPECT_EQ(QImage(dir.filePath("Horloge.bmp")).size(), QSize(58, 56));
    EXPECT_EQ(QImage(dir.filePath("CLOCHE.BMP")).size(), QSize(17, 17));
    EXPECT_EQ(QImage(dir.filePath("horloge.ico")).size(), QSize(16, 16));
}

TEST(ProgramFiles, NamesWhatItCouldNotWrite) {
    QTemporaryDir temporary;
    QFile blocker(temporary.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(writeProgramFiles(temporary.filePath("blocker/vantorel")).isEmpty());
}

} // namespace
} // namespace vt
