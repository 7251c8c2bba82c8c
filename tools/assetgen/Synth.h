#pragma once
// A tiny additive and noise synthesizer for the sound effects, and the WAV writer.

#include <QByteArray>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

constexpr int SampleRate = 44100;

/// A mono signal in floating point, later normalised and written as 16-bit PCM.
class Signal {
public:
    explicit Signal(double seconds);

    int size() const { return int(samples.size()); }
    double& at(int i) { return samples[i]; }
    const std::vector<double>& data() const { return samples; }

    /// Adds a tone whose partials are given as (frequency ratio, amplitude, decay
    /// per second); pitch(t) is the fundamental in Hz, envelope(t) its loudness.
    void addTone(double start, double length, const std::function<double(double)>& pitch,
                 const std::function<double(double)>& envelope,
                 const std::vector<std::array<double, 3>>& partials);

    /// Adds noise through a band-pass filter around `centre` Hz, shaped by envelope(t).
    void addNoise(double start, double length, double centre, double q,
                  const std::function<double(double)>& envelope, std::uint32_t seed);

private:
    std::vector<double> samples;
};

/// Normalises to just under full scale, fades the ends so they do not click,
/// and encodes a 16-bit mono PCM WAV file.
QByteArray wavFile(const Signal& signal, double peak = 0.89);

/// Attack-decay envelope: rises linearly over `attack` s, then falls exponentially.
double attackDecay(double t, double attack, double decayPerSecond);

/// Frequency of a MIDI note number.
double noteHz(double note);

} // namespace assetgen
