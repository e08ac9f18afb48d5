#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace vt {

constexpr int SampleRate = 44100;

// The hourly chime: one strike of a small bell, about 1.9 s.
std::vector<std::int16_t> synthesiseChime();

// The alarm: a twin-bell alarm clock ringing in three bursts, about 4.3 s.
std::vector<std::int16_t> synthesiseAlarm();

// A complete WAV file: 16-bit PCM, mono, SampleRate.
QByteArray wavFile(const std::vector<std::int16_t>& samples);

} // namespace vt
