#include "Synth.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {

Signal::Signal(double seconds)
    : samples(std::size_t(std::lround(seconds * SampleRate)), 0.0)
{
}

void Signal::addTone(double start, double length, const std::function<double(double)>& pitch,
                     const std::function<double(double)>& envelope,
                     const std::vector<std::array<double, 3>>& partials)
{
    const int first = int(std::lround(start * SampleRate));
    const int count = int(std::lround(length * SampleRate));
    std::vector<double> phase(partials.size(), 0.0);
    for (int i = 0; i < count && first + i < size(); ++i) {
        const double t = double(i) / SampleRate;
        const double f = pitch(t);
        double v = 0.0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            const auto& [ratio, amplitude, decay] = partials[k];
            const double fk = f * ratio;
            if (fk >= SampleRate / 2.2)
                continue; // above what the file can carry: leave it out rather than alias
            phase[k] += 2 * std::numbers::pi * fk / SampleRate;
            v += amplitude * std::exp(-decay * t) * std::sin(phase[k]);
        }
        samples[first + i] += v * envelope(t);
    }
}

void Signal::addNoise(double start, double length, double centre, double q,
                      const std::function<double(double)>& envelope, std::uint32_t seed)
{
    // A state-variable band-pass filter fed by a fixed-seed generator.
    const double f = 2 * std::sin(std::numbers::pi * centre / SampleRate);
    const double damp = 1.0 / q;
    double low = 0;
    double band = 0;
    std::uint32_t state = seed * 2654435761u + 1;
    const int first = int(std::lround(start * SampleRate));
    const int count = int(std::lround(length * SampleRate));
    for (int i = 0; i < count && first + i < size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = (state >> 8) / double(1 << 24) * 2 - 1;
        low += f * band;
        const double high = white - low - damp * band;
        band += f * high;
        samples[first + i] += band * envelope(double(i) / SampleRate);
    }
}

QByteArray wavFile(const Signal& signal, double peak)
{
    std::vector<double> s = signal.data();
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    const double gain = top > 0 ? peak / top : 0;
    const int fadeIn = SampleRate / 250;  // 4 ms
    const int fadeOut = SampleRate / 40;  // 25 ms
    const int n = int(s.size());
    for (int i = 0; i < n; ++i) {
        double g = gain;
        if (i < fadeIn)
            g *= double(i) / fadeIn;
        if (i >= n - fadeOut)
            g *= double(n - 1 - i) / fadeOut;
        s[i] *= g;
    }
    QByteArray out;
    QDataStream w(&out, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataBytes = quint32(n * 2);
    w.writeRawData("RIFF", 4);
    w << quint32(36 + dataBytes);
    w.writeRawData("WAVE", 4);
    w.writeRawData("fmt ", 4);
    w << quint32(16) << quint16(1) << quint16(1) << quint32(SampleRate) << quint32(SampleRate * 2)
      << quint16(2) << quint16(16);
    w.writeRawData("data", 4);
    w << dataBytes;
    for (double v : s)
        w << qint16(std::clamp(std::lround(v * 32767.0), -32767L, 32767L));
    return out;
}

double attackDecay(double t, double attack, double decayPerSecond)
{
    if (t < attack)
        return t / attack;
    return std::exp(-decayPerSecond * (t - attack));
}

double noteHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

} // namespace assetgen
