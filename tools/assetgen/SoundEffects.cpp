#include "SoundEffects.h"

#include "Synth.h"

#include <algorithm>
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

// A brass note: the pitch scoops up into place, a short bright bite opens it,
// and the upper harmonics fade before the lower ones, so it sounds round and
// warm once held rather than buzzing like a reed organ.
void brass(Signal& s, double at, double length, double hz, double level)
{
    const auto pitch = [hz](double t) {
        const double vibrato = t > 0.35 ? 0.003 * std::sin(2 * 3.14159 * 5.2 * t) : 0.0;
        return hz * (1 - 0.022 * std::exp(-t * 38) + vibrato);
    };
    const auto release = [length](double t) { return std::clamp((length - t) / 0.08, 0.0, 1.0); };
    s.addTone(at, length, pitch,
              [level, release](double t) { return level * std::min(1.0, t / 0.03) * (0.8 + 0.2 * std::exp(-t * 3)) * release(t); },
              {{1, 1.0, 0}, {2, 0.62, 0.4}, {3, 0.38, 0.9}, {4, 0.2, 1.6}, {5, 0.1, 2.4}, {6, 0.05, 3.2}});
    s.addTone(at, std::min(length, 0.2), pitch, [level](double t) { return level * 0.35 * attackDecay(t, 0.006, 22); },
              {{2, 0.8, 0}, {3, 0.7, 0}, {4, 0.6, 0}, {5, 0.45, 0}, {6, 0.3, 0}, {8, 0.15, 0}});
}

QByteArray boxWin()
{
    // A short fanfare: four quick notes up the chord, then the chord held over a
    // soft drum roll, with a shimmer of bells above it.
    Signal s(2.3);
    const int run[4] = {67, 72, 76, 79};
    for (int i = 0; i < 4; ++i)
        brass(s, i * 0.12, 0.16, noteHz(run[i]), 0.9);
    const double held = 0.5;
    for (const int note : {72, 76, 79, 84})
        brass(s, held, 1.75, noteHz(note), note == 84 ? 0.8 : 0.65);
    s.addTone(held, 1.8, [](double) { return noteHz(48); },
              [](double t) { return 0.8 * attackDecay(t, 0.01, 1.6) * std::min(1.0, (1.8 - t) / 0.4); },
              {{1, 1, 0}, {1.5, 0.25, 4}, {2, 0.2, 3}});
    const int sparkle[6] = {96, 100, 103, 108, 103, 108};
    for (int i = 0; i < 6; ++i) {
        const double hz = noteHz(sparkle[i]);
        s.addTone(held + 0.06 + i * 0.09, 0.8, [hz](double) { return hz; },
                  [](double t) { return 0.22 * attackDecay(t, 0.002, 5); }, {{1, 1, 0}, {2.76, 0.2, 8}});
    }
    return wavFile(s);
}

QByteArray boxUndo()
{
    // A soft falling "bloop": a sine that slides down most of an octave.
    Signal s(0.3);
    s.addTone(0.0, 0.3, [](double t) { return 820 * std::exp(-t * 3.4); },
              [](double t) { return attackDecay(t, 0.006, 20); }, {{1, 1, 0}, {2, 0.25, 6}, {3, 0.08, 10}});
    s.addTone(0.0, 0.1, [](double) { return 1640.0; }, [](double t) { return 0.12 * attackDecay(t, 0.002, 40); },
              {{1, 1, 0}});
    // It is heard often and also serves as the warning: no louder than a push.
    return wavFile(s, 0.75);
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
