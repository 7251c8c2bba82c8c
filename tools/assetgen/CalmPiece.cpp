// "Quiet Thoughts": the calm piece. Flute, and vibraphone with celesta, over
// harp figures that change from section to section, slow strings, fretless
// bass and soft hand percussion.

#include "Music.h"
#include "Score.h"

#include <algorithm>
#include <string>
#include <vector>

namespace assetgen {
namespace {

// Raised so that the music sits with the sound effects, not far beneath them;
// the leads are written a little softer, so that their phrasing survives the lift.
constexpr double Lift = 5.0;
constexpr double Tempo = 76;

const char* const TuneA =
    "E5:2 A5:1 B5:1 | C6:3 B5:.5 A5:.5 | G5:2 E5:1 G5:1 | D5:3 r:1 | "
    "A5:1.5 B5:.5 C6:1 E6:1 | D6:1.5 C6:.5 A5:2 | F5:1 A5:1 D6:1 C6:1 | B5:3 G#5:1";
const char* const TuneB =
    "A5:1 C6:1 F6:2 | D6:1 B5:1 G5:2 | E5:1 G5:1 B5:1 E6:1 | C6:3 A5:1 | "
    "F5:1 A5:1 D6:1.5 C6:.5 | B5:1 G5:1 D6:2 | E6:1.5 D6:.5 C6:1 B5:1 | G#5:2 B5:1 D6:1";
const char* const Interlude =
    "A5:.5 C6:.5 E6:.5 A6:.5 G6:2 | F6:.5 C6:.5 A5:.5 F5:.5 A5:2 | G5:.5 C6:.5 E6:.5 G6:.5 E6:2 | "
    "E6:1 D6:1 B5:1 G#5:1";
const char* const TuneOutro = "E5:2 A5:2 | C6:2 A5:2 | F5:1 A5:1 D6:2 | B5:2 G#5:2";

// The second time round each tune is ornamented: passing notes, turns and a
// cadence of its own.
std::string tuneAAgain()
{
    return withBars(TuneA, {{0, "E5:1.5 G5:.5 A5:1 B5:1"},
                            {1, "C6:2 D6:.5 C6:.5 B5:.5 A5:.5"},
                            {3, "D5:2 E5:.5 F5:.5 G5:1"},
                            {5, "D6:1 E6:.5 D6:.25 C6:.25 A5:2"},
                            {7, "B5:2 C6:.5 B5:.5 A5:.5 G#5:.5"}});
}

std::string tuneBAgain()
{
    return withBars(TuneB, {{0, "A5:.5 B5:.5 C6:1 F6:2"},
                            {1, "D6:1 C6:.5 B5:.5 G5:2"},
                            {3, "C6:2 B5:.5 C6:.5 A5:1"},
                            {5, "B5:.5 A5:.5 G5:1 D6:2"},
                            {7, "G#5:1 B5:1 D6:1 C6:.5 B5:.5"}});
}

// A harp figure: when each note of a bar falls and which note of the chord,
// spread over two octaves from the bottom (0) up, it plays.
struct Pluck {
    double beat;
    int step;
};
using Figure = std::vector<Pluck>;
const Figure Waves{{0, 0}, {.5, 2}, {1, 3}, {1.5, 4}, {2, 5}, {2.5, 4}, {3, 3}, {3.5, 2}}; // up and back in quavers
const Figure Ripples{{0, 0}, {1 / 3., 2}, {2 / 3., 4}, {1, 5}, {4 / 3., 4}, {5 / 3., 2}, // in triplets
                     {2, 1}, {7 / 3., 3}, {8 / 3., 5}, {3, 4}, {10 / 3., 3}, {11 / 3., 2}};
const Figure Lilting{{0, 0}, {.5, 2}, {1.5, 4}, {2, 3}, {2.5, 5}, {3.5, 2}}; // quavers with gaps
const Figure Rolled{{0, 0}, {.1, 1}, {.2, 2}, {.3, 3}, {.4, 4}, {.5, 5}, {2, 3}, {3, 4}}; // a rolled chord, two crotchets
const Figure Crotchets{{0, 0}, {1, 2}, {2, 4}, {3, 2}};

// A bass bar: notes by beat, length and interval above the root.
struct BassNote {
    double beat;
    double length;
    int interval;
};
using BassLine = std::vector<BassNote>;
const BassLine Whole{{0, 3.8, 0}};
const BassLine Halves{{0, 1.9, 0}, {2, 1.9, 7}};
const BassLine LongShort{{0, 2.9, 0}, {3, .9, 7}};

struct Ensemble {
    Score& score;
    int harp, strings, bass, perc;

    std::vector<int> parts() const { return {harp, strings, bass, perc}; }

    /// `held`: soft strings hold the chord even where the band is light, so a
    /// quiet passage never sounds like a gap.
    void bar(double at, const std::string& name, int energy, const Figure& figure, const BassLine& line,
             bool held = false)
    {
        const Chord c = chordNamed(name);
        std::vector<int> keys;
        const int low = keyAbove(c.root, 45);
        for (int octave = 0; octave < 2; ++octave)
            for (int t : c.tones)
                keys.push_back(low + t + 12 * octave);
        std::sort(keys.begin(), keys.end());
        for (const Pluck& p : figure)
            score.note(harp, at + p.beat, 1.2, keys[std::min<int>(p.step, int(keys.size()) - 1)],
                       p.beat == 0 ? 64 : 50);
        if (energy >= 2 || held)
            for (int t : c.tones)
                score.note(strings, at, 3.95, keyAbove((c.root + t) % 12, 57), energy >= 2 ? 50 : 42);
        const int root = keyAbove(c.root, 33);
        for (const BassNote& n : line)
            score.note(bass, at + n.beat, n.length, root + n.interval, n.beat > 0 ? 72 : energy >= 2 ? 80 : 74);
        if (energy >= 2)
            percussion(at, energy);
    }

    void percussion(double at, int energy)
    {
        constexpr int Kick = 36, Stick = 37, Shaker = 82, Ride = 51;
        score.note(perc, at, 0.3, Kick, 54);
        score.note(perc, at + 2, 0.3, Stick, 42);
        for (int k = 0; k < 8; ++k)
            score.note(perc, at + k * 0.5, 0.2, Shaker, k % 2 ? 26 : 36);
        if (energy >= 3)
            for (int k = 0; k < 4; ++k)
                score.note(perc, at + k, 0.5, Ride, 34);
    }
};

struct Section {
    std::vector<std::string> bars;
    std::string tune;
    std::vector<Voice> voices;
    int energy;
    const Figure& harp;
    const BassLine& bass;
    bool held = false;
    double hush = 0; // decibels the band steps back under the tune
};

// The outro slows down and comes to rest on A minor.
double outro(Score& score, Ensemble& band, const Voice& flute, double beat)
{
    score.melody(flute, beat, TuneOutro);
    const std::vector<std::string> chords{"Am", "F", "Dm", "E"};
    for (std::size_t i = 0; i < chords.size(); ++i)
        band.bar(beat + 4.0 * i, chords[i], i < 2 ? 2 : 1, Rolled, i < 2 ? Halves : Whole);
    score.tempoAt(beat + 8, 70);
    score.tempoAt(beat + 12, 62);
    beat += 16;
    score.note(flute.part, beat, 4, keyNamed("A5"), 80);
    for (int k = 0; k < 6; ++k) // a rolled chord on the harp
        score.note(band.harp, beat + k * 0.12, 4.5 - k * 0.12, keyNamed("A2") + std::vector<int>{0, 7, 12, 15, 19, 24}[k], 60);
    for (const int key : {57, 60, 64, 69})
        score.note(band.strings, beat, 4.5, key, 52);
    score.note(band.bass, beat, 4.5, keyNamed("A1"), 74);
    return beat + 7;
}

} // namespace

QByteArray calmPiece()
{
    Score score("Quiet Thoughts", Tempo, Lift);
    const Voice flute{score.addPart("Flute", 0, 74, 116, 58, 70), 0, 84, 0.96};
    const int vibes = score.addPart("Vibraphone", 4, 12, 114, 74, 70);
    const int celesta = score.addPart("Celesta", 5, 9, 95, 84, 80);
    Ensemble band{score,
                  score.addPart("Harp", 1, 47, 94, 42, 70),
                  score.addPart("Strings", 3, 50, 104, 64, 90),
                  score.addPart("Fretless Bass", 2, 36, 114, 60, 40),
                  score.addPart("Percussion", DrumChannel, 1, 80, 64, 50)};

    // The vibraphone and the celesta play their tunes together, because the
    // SoundFonts disagree: the vibraphone is loud in TimGM6mb and soft in
    // FluidR3_GM, the celesta the other way round.
    const std::vector<Voice> bells{{vibes, 0, 76, 0.96}, {celesta, 0, 110, 0.9}, {celesta, 12, 90, 0.9}};
    const std::vector<std::string> barsA{"Am", "F", "C", "G", "Am", "F", "Dm", "E"};
    const std::vector<std::string> barsB{"F", "G", "Em", "Am", "Dm", "G", "Cmaj7", "E7"};
    const std::vector<Section> sections{
        {{"Am", "F", "C", "G"}, "", {flute}, 1, Rolled, Whole},
        {barsA, TuneA, {flute}, 2, Waves, Halves},
        {barsB, TuneB, bells, 2, Lilting, LongShort, false, 3.5},
        {{"Am", "F", "C", "E"}, Interlude, bells, 1, Crotchets, Whole, true},
        {barsA, tuneAAgain(), {flute, {celesta, 12, 40, 0.7}}, 3, Ripples, Halves},
        {barsB, tuneBAgain(), bells, 3, Waves, LongShort, false, 3.5},
    };

    double beat = 0;
    for (const Section& s : sections) {
        for (const Voice& v : s.voices)
            score.melody(v, beat, s.tune);
        score.hush(band.parts(), beat, s.hush);
        for (std::size_t i = 0; i < s.bars.size(); ++i)
            band.bar(beat + 4.0 * i, s.bars[i], s.energy, s.harp, s.bass, s.held);
        beat += 4.0 * s.bars.size();
    }
    score.hush(band.parts(), beat, 0);
    return score.midi(outro(score, band, flute, beat));
}

} // namespace assetgen
