#include "Sounds.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace vt {

namespace {

// One mode of a ringing bell: frequency as a multiple of the bell's pitch, loudness, and the
// time in seconds it takes to fall to 1/e (the higher modes die first, which makes the metal sound).
struct Partial {
    double ratio;
    double gain;
    double decay;
};

// A small handbell: the strike tone, its octave, a few inharmonic modes, and a faint beat
// between two close modes for the shimmer.
constexpr Partial HandBell[] = {
    {0.50, 0.25, 0.70}, {1.00, 0.55, 0.55}, {1.003, 0.45, 0.50}, {2.00, 0.35, 0.32},
    {2.76, 0.20, 0.20}, {4.07, 0.10, 0.12}, {5.40, 0.06, 0.07},
};

// The modes of a small steel dome, like the bells on top of an alarm clock.
constexpr Partial DomeBell[] = {
    {1.00, 1.00, 0.16},
    {2.32, 0.45, 0.08},
    {4.25, 0.22, 0.04},
    {6.63, 0.06, 0.025},
};

constexpr double Peak = 0.708;      // -3 dBFS
constexpr double FadeSeconds = 0.2; // the tail is faded to silence so the sound ends without a click

// Adds one strike of a bell to the buffer, starting at `start` seconds. The onset rises over
// `attack` seconds along a quarter sine, soft enough not to click.
void strike(std::vector<double>& out, double start, double pitch, std::span<const Partial> bell, double gain,
            double attack) {
    const auto first = std::size_t(start * SampleRate);
    for (const Partial& p : bell) {
        const auto last = std::min(out.size(), first + std::size_t(8 * p.decay * SampleRate)); // down 70 dB
        // A damped rotation of (re, im): one small multiplication per sample instead of exp and sin.
        const double damping = std::exp(-1.0 / (p.decay * SampleRate));
        const double turn = 2 * std::numbers::pi * pitch * p.ratio / SampleRate;
        const double c = damping * std::cos(turn);
        const double s = damping * std::sin(turn);
        double re = gain * p.gain;
        double im = 0;
        for (std::size_t n = first; n < last; ++n) {
            const double t = double(n - first) / SampleRate;
            out[n] += (t < attack ? std::sin(std::numbers::pi / 2 * t / attack) : 1.0) * im;
            const double next = re * c - im * s;
            im = re * s + im * c;
            re = next;
        }
    }
}

// Scales to the target peak, fades the tail out and rounds to 16-bit samples.
std::vector<std::int16_t> finish(std::vector<double> sound) {
    const double loudest = std::ranges::max(sound, {}, [](double v) { return std::abs(v); });
    const double scale = loudest > 0 ? Peak / std::abs(loudest) : 0;
    const auto fade = std::size_t(FadeSeconds * SampleRate);
    std::vector<std::int16_t> samples(sound.size());
    for (std::size_t n = 0; n < sound.size(); ++n) {
        const std::size_t left = sound.size() - 1 - n;
        const double gain = left < fade ? double(left) / double(fade) : 1.0;
        samples[n] = std::int16_t(std::lround(sound[n] * scale * gain * 32767));
    }
    return samples;
}

std::vector<double> silence(double seconds) { return std::vector<double>(std::size_t(seconds * SampleRate)); }

} // namespace

std::vector<std::int16_t> synthesiseChime() {
    std::vector<double> sound = silence(1.9);
    strike(sound, 0.0, 880.0, HandBell, 1.0, 0.004);
    return finish(std::move(sound));
}

std::vector<std::int16_t> synthesiseAlarm() {
    // The hammer swings between the two bells about eighteen times a second, in bursts of a second.
    constexpr double StrikesPerSecond = 18;
    constexpr double BurstStarts[] = {0.0, 1.4, 2.8};
    constexpr double BurstLength = 1.0;
    std::vector<double> sound = silence(4.3);
    for (double burst : BurstStarts) {
        for (int i = 0; i < int(BurstLength * StrikesPerSecond); ++i) {
            const bool left = i % 2 == 0;
            strike(sound, burst + i / StrikesPerSecond, left ? 1568.0 : 1760.0, DomeBell, left ? 1.0 : 0.85,
                   0.002);
        }
    }
    return finish(std::move(sound));
}

QByteArray wavFile(const std::vector<std::int16_t>& samples) {
    constexpr quint16 Channels = 1;
    constexpr quint16 BytesPerSample = 2;
    const auto dataSize = quint32(samples.size() * BytesPerSample);

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << Channels << quint32(SampleRate) // 16 bytes of PCM format
        << quint32(SampleRate * Channels * BytesPerSample) << quint16(Channels * BytesPerSample)
        << quint16(8 * BytesPerSample);
    out.writeRawData("data", 4);
    out << dataSize;
    for (std::int16_t sample : samples)
        out << qint16(sample);
    return file;
}

} // namespace vt
