#include "SoundEffects.h"

#include "Synth.h"

#include <cmath>

namespace assetgen {
namespace {

// A wooden knock: a low sine whose pitch falls as it dies away.
void knock(Signal& s, double at, double hz, double weight)
{
    s.addTone(at, 0.16, [hz](double t) { return hz * (1.0 + 0.8 * std::exp(-t * 40)); },
              [weight](double t) { return weight * attackDecay(t, 0.002, 28); },
              {{1, 1.0, 0}, {2.3, 0.35, 30}, {3.9, 0.15, 50}});
    s.addNoise(at, 0.05, 1800, 1.2, [weight](double t) { return 0.6 * weight * attackDecay(t, 0.001, 90); }, 7);
}

QByteArray boxMove()
{
    // The box scrapes along the floor: rough filtered noise that stutters as it slides.
    Signal s(0.34);
    s.addNoise(0.0, 0.34, 520, 2.5,
               [](double t) {
                   const double body = t < 0.02 ? t / 0.02 : std::exp(-(t - 0.02) * 6.5);
                   const double stutter = 0.7 + 0.3 * std::sin(t * 2 * 3.14159 * 31) * std::sin(t * 2 * 3.14159 * 7);
                   return 1.8 * body * stutter * (t > 0.26 ? std::exp(-(t - 0.26) * 40) : 1.0);
               },
               11);
    s.addNoise(0.0, 0.3, 1400, 4, [](double t) { return 0.5 * attackDecay(t, 0.01, 12); }, 12);
    knock(s, 0.0, 95, 0.9);
    return wavFile(s);
}

QByteArray boxGoal()
{
    // A firm knock, then two bright bell strokes rising a fifth.
    Signal s(0.78);
    knock(s, 0.0, 88, 1.0);
    const std::vector<std::array<double, 3>> bell{{1, 1.0, 5}, {2.0, 0.35, 9}, {2.76, 0.25, 12}, {5.4, 0.1, 20}};
    s.addTone(0.03, 0.7, [](double) { return noteHz(84); }, [](double t) { return 0.55 * attackDecay(t, 0.003, 3); }, bell);
    s.addTone(0.13, 0.64, [](double) { return noteHz(91); }, [](double t) { return 0.6 * attackDecay(t, 0.003, 3); }, bell);
    return wavFile(s);
}

QByteArray boxWin()
{
    // A short brass fanfare: four quick notes up the chord, then the chord held
    // with a shimmer of bells above it.
    Signal s(2.3);
    std::vector<std::array<double, 3>> brass;
    for (int k = 1; k <= 9; ++k)
        brass.push_back({double(k), 1.0 / k, 1.2 * k});
    const int run[4] = {67, 72, 76, 79};
    for (int i = 0; i < 4; ++i) {
        const double hz = noteHz(run[i]);
        s.addTone(i * 0.12, 0.13, [hz](double) { return hz; },
                  [](double t) { return t < 0.01 ? t / 0.01 : (t > 0.1 ? std::max(0.0, 1 - (t - 0.1) / 0.03) : 1.0); },
                  brass);
    }
    const double held = 0.5;
    for (const int note : {72, 76, 79, 84}) {
        const double hz = noteHz(note);
        s.addTone(held, 1.8,
                  [hz](double t) { return hz * (1 + (t > 0.3 ? 0.004 * std::sin(2 * 3.14159 * 5.5 * t) : 0.0)); },
                  [](double t) { return 0.8 * (t < 0.03 ? t / 0.03 : std::exp(-(t - 0.03) * 0.9)) * std::min(1.0, (1.8 - t) / 0.4); },
                  brass);
    }
    s.addTone(held, 1.8, [](double) { return noteHz(48); },
              [](double t) { return 0.9 * attackDecay(t, 0.02, 1.4) * std::min(1.0, (1.8 - t) / 0.4); },
              {{1, 1, 0}, {2, 0.3, 2}, {3, 0.12, 3}});
    const int sparkle[6] = {96, 100, 103, 108, 103, 108};
    for (int i = 0; i < 6; ++i) {
        const double hz = noteHz(sparkle[i]);
        s.addTone(held + 0.06 + i * 0.09, 0.8, [hz](double) { return hz; },
                  [](double t) { return 0.18 * attackDecay(t, 0.002, 5); }, {{1, 1, 0}, {2.76, 0.2, 8}});
    }
    return wavFile(s);
}

QByteArray boxUndo()
{
    // A soft falling "bloop": a sine that slides down most of an octave.
    Signal s(0.3);
    s.addTone(0.0, 0.3, [](double t) { return 820 * std::exp(-t * 3.4); },
              [](double t) { return attackDecay(t, 0.006, 9); }, {{1, 1, 0}, {2, 0.25, 6}, {3, 0.08, 10}});
    s.addTone(0.0, 0.1, [](double) { return 1640.0; }, [](double t) { return 0.12 * attackDecay(t, 0.002, 40); },
              {{1, 1, 0}});
    return wavFile(s);
}

} // namespace

std::vector<NamedSound> soundEffects()
{
    return {
        {"BOXMOVE.WAV", boxMove()},
        {"BOXGOAL.WAV", boxGoal()},
        {"BOXWIN.WAV", boxWin()},
        {"BOXUNDO.WAV", boxUndo()},
    };
}

} // namespace assetgen
