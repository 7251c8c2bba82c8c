// "Quiet Thoughts": the calm piece. Flute and vibraphone over harp
// arpeggios, slow strings, fretless bass and soft hand percussion.

#include "Music.h"
#include "Score.h"

#include <algorithm>
#include <sstream>
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

struct Ensemble {
    Score& score;
    int harp, strings, bass, perc;

    /// `held`: soft strings hold the chord even where the band is light, so a
    /// quiet passage never sounds like a gap.
    void bar(double at, const std::string& name, int energy, bool held = false)
    {
        const Chord c = chordNamed(name);
        // Harp: the chord spread over two octaves, up and back in quavers.
        std::vector<int> keys;
        const int low = keyAbove(c.root, 45);
        for (int octave = 0; octave < 2; ++octave)
            for (int t : c.tones)
                keys.push_back(low + t + 12 * octave);
        std::sort(keys.begin(), keys.end());
        static const int Order[8] = {0, 2, 3, 4, 5, 4, 3, 2};
        for (int k = 0; k < 8; ++k)
            score.note(harp, at + k * 0.5, 1.2, keys[std::min<int>(Order[k], int(keys.size()) - 1)], k == 0 ? 64 : 50);
        if (energy >= 2 || held)
            for (int t : c.tones)
                score.note(strings, at, 3.95, keyAbove((c.root + t) % 12, 57), energy >= 2 ? 50 : 42);
        const int root = keyAbove(c.root, 33);
        if (energy >= 2) {
            score.note(bass, at, 1.9, root, 80);
            score.note(bass, at + 2, 1.9, root + 7, 72);
        } else {
            score.note(bass, at, 3.8, root, 74);
        }
        if (energy >= 2) {
            constexpr int Kick = 36, Stick = 37, Shaker = 82, Ride = 51;
            score.note(perc, at, 0.3, Kick, 54);
            score.note(perc, at + 2, 0.3, Stick, 42);
            for (int k = 0; k < 8; ++k)
                score.note(perc, at + k * 0.5, 0.2, Shaker, k % 2 ? 26 : 36);
            if (energy >= 3)
                for (int k = 0; k < 4; ++k)
                    score.note(perc, at + k, 0.5, Ride, 34);
        }
    }
};

} // namespace

QByteArray calmPiece()
{
    Score score("Quiet Thoughts", Tempo, Lift);
    const int flute = score.addPart("Flute", 0, 74, 116, 58, 70);
    const int vibes = score.addPart("Vibraphone", 4, 12, 114, 74, 70);
    const int celesta = score.addPart("Celesta", 5, 9, 80, 84, 80);
    Ensemble band{score,
                  score.addPart("Harp", 1, 47, 106, 42, 70),
                  score.addPart("Strings", 3, 50, 88, 64, 90),
                  score.addPart("Fretless Bass", 2, 36, 114, 60, 40),
                  score.addPart("Percussion", DrumChannel, 1, 80, 64, 50)};

    const std::vector<std::string> barsA{"Am", "F", "C", "G", "Am", "F", "Dm", "E"};
    const std::vector<std::string> barsB{"F", "G", "Em", "Am", "Dm", "G", "Cmaj7", "E7"};
    struct Section {
        std::vector<std::string> bars;
        const char* tune;
        int lead;
        int energy;
        bool doubled;
        bool held = false;
    };
    const std::vector<Section> sections{
        {{"Am", "F", "C", "G"}, "", flute, 1, false},
        {barsA, TuneA, flute, 2, false},
        {barsB, TuneB, vibes, 2, false},
        {{"Am", "F", "C", "E"}, Interlude, celesta, 1, false, true},
        {barsA, TuneA, flute, 3, true},
        {barsB, TuneB, vibes, 3, false},
    };

    double beat = 0;
    for (const Section& s : sections) {
        score.melody(s.lead, beat, s.tune, 0, 84, 0.96);
        if (s.doubled)
            score.melody(celesta, beat, s.tune, 12, 48, 0.7);
        for (std::size_t i = 0; i < s.bars.size(); ++i)
            band.bar(beat + 4.0 * i, s.bars[i], s.energy, s.held);
        beat += 4.0 * s.bars.size();
    }

    // The outro slows down and comes to rest on A minor.
    score.melody(flute, beat, TuneOutro, 0, 80, 0.96);
    const std::vector<std::string> outro{"Am", "F", "Dm", "E"};
    for (std::size_t i = 0; i < outro.size(); ++i)
        band.bar(beat + 4.0 * i, outro[i], i < 2 ? 2 : 1);
    score.tempoAt(beat + 8, 70);
    score.tempoAt(beat + 12, 62);
    beat += 16;
    score.note(flute, beat, 4, keyNamed("A5"), 80);
    for (int k = 0; k < 6; ++k) // a rolled chord on the harp
        score.note(band.harp, beat + k * 0.12, 4.5 - k * 0.12, keyNamed("A2") + std::vector<int>{0, 7, 12, 15, 19, 24}[k], 60);
    for (const int key : {57, 60, 64, 69})
        score.note(band.strings, beat, 4.5, key, 52);
    score.note(band.bass, beat, 4.5, keyNamed("A1"), 74);
    return score.midi(beat + 7);
}

} // namespace assetgen
