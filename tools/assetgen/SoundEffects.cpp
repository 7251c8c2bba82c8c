#include "SoundEffects.h"

#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <functional>

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

// A trumpet-like brass note: the pitch scoops up into place and the 3rd to 6th
// harmonics stay strong, so it rings bright and brassy; shape(t) is its loudness.
void brass(Signal& s, double at, double length, double hz, const std::function<double(double)>& shape)
{
    const auto pitch = [hz](double t) {
        const double vibrato = t > 0.3 ? 0.004 * std::sin(2 * 3.14159 * 5.5 * t) : 0.0;
        return hz * (1 - 0.02 * std::exp(-t * 40) + vibrato);
    };
    const auto release = [length](double t) { return std::clamp((length - t) / 0.05, 0.0, 1.0); };
    s.addTone(at, length, pitch, [shape, release](double t) { return shape(t) * std::min(1.0, t / 0.02) * release(t); },
              {{1, 1.0, 0}, {2, 0.8, 0.2}, {3, 0.7, 0.4}, {4, 0.6, 0.6}, {5, 0.48, 0.9}, {6, 0.36, 1.2}, {7, 0.2, 1.6},
               {8, 0.12, 2}});
}

// A drum stroke: a low thump and a burst of snare rattle.
void drum(Signal& s, double at, double weight)
{
    s.addTone(at, 0.25, [](double t) { return 110 * (1.0 + 0.5 * std::exp(-t * 30)); },
              [weight](double t) { return weight * attackDecay(t, 0.002, 16); }, {{1, 1, 0}, {1.6, 0.3, 20}});
    s.addNoise(at, 0.14, 2600, 0.8, [weight](double t) { return 0.5 * weight * attackDecay(t, 0.001, 30); }, 21);
}

QByteArray boxWin()
{
    // A fanfare: a call of three quick notes and a longer one, twice, each stroke on a
    // drum, then the chord, which swells for a fifth of a second and dies away.
    Signal s(1.75);
    struct Call {
        double at, length;
        int note;
    };
    constexpr Call Figure[] = {{0.0, 0.08, 67}, {0.1, 0.08, 67}, {0.2, 0.08, 67}, {0.3, 0.2, 72},
                               {0.52, 0.08, 72}, {0.62, 0.14, 76}};
    for (const Call& c : Figure) {
        brass(s, c.at, c.length, noteHz(c.note), [](double t) { return 1.3 * (0.75 + 0.25 * std::exp(-t * 20)); });
        drum(s, c.at, 0.25);
    }
    constexpr double Chord = 0.8;
    constexpr double Length = 0.95;
    const auto swell = [](double t) { return t < 0.2 ? 0.45 + 0.55 * t / 0.2 : std::exp(-(t - 0.2) * 3.2); };
    for (const int note : {60, 67, 72, 76, 79})
        brass(s, Chord, Length, noteHz(note), [swell, note](double t) { return (note == 79 ? 0.75 : 0.55) * swell(t); });
    drum(s, Chord, 0.5);
    s.addTone(Chord, Length, [](double) { return noteHz(36); }, [](double t) { return 0.7 * attackDecay(t, 0.01, 3.5); },
              {{1, 1, 0}, {2, 0.4, 2}, {3, 0.15, 4}});
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
