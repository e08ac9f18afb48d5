#include "assets/Sounds.h"

#include <QList>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vt {
namespace {

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

} // namespace
} // namespace vt
