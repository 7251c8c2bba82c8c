#include "Loudness.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assettest {
namespace {

struct Biquad {
    double b0, b1, b2, a1, a2;
    double z1 = 0, z2 = 0;
    double run(double x)
    {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// The two stages of the K-weighting filter for any sample rate: a high shelf
// of about +4 dB above 1.5 kHz and a high pass at about 38 Hz.
std::vector<double> kWeighted(const std::vector<float>& in, int rate)
{
    const double pi = std::numbers::pi;
    double k = std::tan(pi * 1681.974450955533 / rate);
    const double vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double q1 = 0.7071752369554196;
    double a0 = 1 + k / q1 + k * k;
    Biquad shelf{(vh + vb * k / q1 + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q1 + k * k) / a0,
                 2 * (k * k - 1) / a0, (1 - k / q1 + k * k) / a0};
    k = std::tan(pi * 38.13547087602444 / rate);
    const double q2 = 0.5003270373238773;
    a0 = 1 + k / q2 + k * k;
    Biquad highPass{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q2 + k * k) / a0};
    std::vector<double> out(in.size());
    double* to = out.data(); // plain pointers: quick in a checked build too
    for (size_t i = 0; i < in.size(); ++i)
        to[i] = highPass.run(shelf.run(in.data()[i]));
    return out;
}

double toLufs(double meanSquare)
{
    return -0.691 + 10 * std::log10(std::max(meanSquare, 1e-12));
}

} // namespace

double integratedLoudness(const Channels& channels, int sampleRate)
{
    if (channels.empty())
        return -70;
    std::vector<double> power(channels[0].size(), 0.0);
    for (const auto& channel : channels) {
        const std::vector<double> w = kWeighted(channel, sampleRate);
        const double* weighted = w.data();
        double* into = power.data();
        for (size_t i = 0; i < std::min(w.size(), power.size()); ++i)
            into[i] += weighted[i] * weighted[i];
    }
    const size_t block = size_t(sampleRate * 0.4);
    const size_t step = block / 4;
    std::vector<double> powers;
    for (size_t start = 0; start == 0 || start + block <= power.size(); start += step) {
        const size_t end = std::min(power.size(), start + block);
        double sum = 0;
        for (size_t i = start; i < end; ++i)
            sum += power.data()[i];
        powers.push_back(sum / double(block)); // a short sound counts as one block, the rest silence
    }
    auto gatedMean = [&](double gate) {
        double sum = 0;
        int n = 0;
        for (const double p : powers)
            if (toLufs(p) > gate) {
                sum += p;
                ++n;
            }
        return n ? sum / n : 0.0;
    };
    const double absolute = gatedMean(-70);
    if (absolute <= 0)
        return -70;
    return toLufs(gatedMean(toLufs(absolute) - 10));
}

std::vector<Channels> renderMidiStems(const QString& midiFile, const QString& soundFont, int sampleRate, int stems)
{
    std::vector<Channels> out(stems, Channels(2));
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    // MIDI channel c plays into stem c % stems: its dry sound and its own reverb and chorus.
    fluid_settings_setint(settings, "synth.audio-channels", stems);
    fluid_settings_setint(settings, "synth.audio-groups", stems);
    fluid_settings_setint(settings, "synth.effects-groups", stems);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = synth ? new_fluid_player(synth) : nullptr;
    if (player && fluid_synth_sfload(synth, soundFont.toLocal8Bit().constData(), 1) != FLUID_FAILED
        && fluid_player_add(player, midiFile.toLocal8Bit().constData()) == FLUID_OK
        && fluid_player_play(player) == FLUID_OK) {
        constexpr int Frames = 1024;
        std::vector<float> buffer(size_t(Frames) * stems * 6); // dry, reverb and chorus, left and right
        std::vector<float*> dry(2 * stems);
        std::vector<float*> fx(4 * stems);
        for (int i = 0; i < 2 * stems; ++i)
            dry[i] = &buffer[size_t(i) * Frames];
        for (int i = 0; i < 4 * stems; ++i)
            fx[i] = &buffer[size_t(2 * stems + i) * Frames];
        const size_t limit = size_t(sampleRate) * 600;
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && out[0][0].size() < limit) {
            std::fill(buffer.begin(), buffer.end(), 0.0f);
            if (fluid_synth_process(synth, Frames, 4 * stems, fx.data(), 2 * stems, dry.data()) != FLUID_OK)
                break;
            for (int s = 0; s < stems; ++s)
                for (int side = 0; side < 2; ++side) {
                    std::vector<float>& stem = out[s][side];
                    stem.resize(stem.size() + Frames);
                    float* to = stem.data() + stem.size() - Frames; // plain pointers: quick in a checked build too
                    const float *d = dry[2 * s + side], *reverb = fx[4 * s + side], *chorus = fx[4 * s + 2 + side];
                    for (int i = 0; i < Frames; ++i)
                        to[i] = d[i] + reverb[i] + chorus[i];
                }
        }
    }
    if (player)
        delete_fluid_player(player);
    if (synth)
        delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

Channels renderMidi(const QString& midiFile, const QString& soundFont, int sampleRate)
{
    return renderMidiStems(midiFile, soundFont, sampleRate, 1).front();
}

} // namespace assettest
