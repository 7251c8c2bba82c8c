// "Crates in the Sun": the cheerful piece. Marimba and clarinet over a
// strummed guitar, pizzicato strings, bass and a light drum kit.

#include "Music.h"
#include "Score.h"

#include <sstream>
#include <string>
#include <vector>

namespace assetgen {
namespace {

constexpr double Tempo = 126;

const char* const TuneA =
    "E5:.5 G5:.5 C6:1 B5:.5 G5:.5 E5:1 | A5:1 G5:.5 E5:.5 C5:1 E5:1 | "
    "F5:.5 A5:.5 C6:1 A5:.5 F5:.5 A5:1 | G5:1.5 F5:.5 E5:.5 D5:.5 B4:1 | "
    "E5:.5 G5:.5 C6:1 D6:.5 C6:.5 G5:1 | A5:.5 C6:.5 E6:1 D6:.5 C6:.5 A5:1 | "
    "F5:.5 A5:.5 D6:1 B5:.5 G5:.5 D5:1 | C6:1.5 G5:.5 C5:1 r:1";
const char* const TuneB =
    "C6:1.5 A5:.5 F5:1 A5:1 | B5:1.5 G5:.5 D5:1 G5:1 | E6:1 D6:.5 B5:.5 G5:1 B5:1 | C6:2 A5:1 r:1 | "
    "D6:.5 C6:.5 A5:.5 F5:.5 A5:1 D6:1 | B5:.5 A5:.5 G5:.5 D5:.5 G5:1 B5:1 | G5:1 E5:1 C#6:1 A5:1 | "
    "D6:1 F6:1 D6:.5 B5:.5 G5:1";
const char* const TuneOutro = "C6:1 G5:.5 E5:.5 C5:2 | A5:1 F5:.5 C5:.5 A4:2 | B4:.5 D5:.5 G5:.5 B5:.5 D6:2 | C6:4";
const char* const BellsCall = "r:4 | r:4 | r:4 | G5:.5 A5:.5 B5:.5 D6:.5 G6:2";
const char* const BreakCall = "D6:.5 B5:.5 G5:1 r:2 | r:4 | D6:.5 B5:.5 G5:.5 B5:.5 D6:1 r:1 | G6:1 F6:1 D6:1 B5:1";

struct Section {
    std::vector<std::string> bars; // one or two chord names per bar
    const char* tune;
    int leadPart;
    int transpose;
    int energy; // 1 light, 2 full, 3 fullest
    bool bells;
};

std::vector<std::string> chordsOf(const std::string& bar)
{
    std::istringstream in(bar);
    std::vector<std::string> out;
    std::string word;
    while (in >> word)
        out.push_back(word);
    return out;
}

struct Band {
    Score& score;
    int comp, pizz, pad, bass, drums;

    void bar(double at, const std::string& chords, int shift, int energy, bool lastOfSection, bool firstOfSection)
    {
        const auto names = chordsOf(chords);
        const double span = 4.0 / double(names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            const Chord c = chordNamed(names[i], shift);
            const double start = at + i * span;
            const int root = keyAbove(c.root, 36);
            const int fifth = root + 7;
            // Bass: root and fifth, with a skip between them when the band is full.
            score.note(bass, start, 0.9, root, 96);
            if (span == 4) {
                if (energy >= 2)
                    score.note(bass, start + 1.5, 0.4, root, 80);
                score.note(bass, start + 2, 0.9, fifth, 90);
                score.note(bass, start + 3, 0.45, root + 12, 82);
                if (energy >= 2)
                    score.note(bass, start + 3.5, 0.45, fifth, 78);
            } else {
                score.note(bass, start + 1, 0.9, fifth, 86);
            }
            // Guitar: bright chords on the off-beats.
            for (double b = 1; b < span; b += 2)
                for (int t : c.tones)
                    score.note(comp, start + b, 0.35, keyAbove((c.root + t) % 12, 55), 66);
            if (energy >= 2) {
                // Pizzicato strings run up and down the chord in quavers.
                std::vector<int> keys;
                for (int octave = 0; octave < 2; ++octave)
                    for (int t : c.tones)
                        keys.push_back(keyAbove((c.root + t) % 12, 60) + 12 * octave);
                static const int Order[8] = {0, 1, 2, 3, 4, 3, 2, 1};
                for (int k = 0; k < int(span * 2); ++k)
                    score.note(pizz, start + k * 0.5, 0.3, keys[Order[k] % keys.size()], k % 2 ? 54 : 66);
            }
            if (energy >= 3)
                for (int t : c.tones)
                    score.note(pad, start, span - 0.05, keyAbove((c.root + t) % 12, 60), 46);
        }
        drumsFor(at, energy, lastOfSection, firstOfSection);
    }

    void drumsFor(double at, int energy, bool fill, bool crash)
    {
        constexpr int Kick = 36, Stick = 37, Snare = 38, HatClosed = 42, HatOpen = 46, Crash = 49;
        constexpr int TomHigh = 50, TomMid = 47, TomLow = 45;
        if (crash)
            score.note(drums, at, 1, Crash, energy >= 2 ? 96 : 70);
        score.note(drums, at, 0.25, Kick, 100);
        score.note(drums, at + 2, 0.25, Kick, 92);
        if (energy >= 3)
            score.note(drums, at + 2.5, 0.25, Kick, 76);
        for (const double b : {1.0, 3.0})
            if (!(fill && b == 3.0))
                score.note(drums, at + b, 0.25, energy >= 2 ? Snare : Stick, energy >= 2 ? 88 : 74);
        for (int k = 0; k < 8; ++k) {
            if (fill && k >= 6)
                break;
            const bool open = energy >= 3 && k == 7;
            score.note(drums, at + k * 0.5, 0.25, open ? HatOpen : HatClosed, k % 2 ? 46 : 64);
        }
        if (fill) {
            const int toms[4] = {TomHigh, TomHigh, TomMid, TomLow};
            for (int k = 0; k < 4; ++k)
                score.note(drums, at + 3 + k * 0.25, 0.2, energy >= 2 ? toms[k] : Snare, 70 + k * 6);
        }
    }
};

} // namespace

QByteArray cheerfulPiece()
{
    Score score("Crates in the Sun", Tempo);
    const int marimba = score.addPart("Marimba", 0, 13, 112, 56, 40);
    const int clarinet = score.addPart("Clarinet", 4, 72, 92, 72, 50);
    const int xylophone = score.addPart("Xylophone", 6, 14, 96, 50, 45);
    const int bells = score.addPart("Glockenspiel", 5, 10, 62, 84, 60);
    Band band{score,
              score.addPart("Guitar", 1, 26, 78, 38, 40),
              score.addPart("Pizzicato", 3, 46, 74, 92, 50),
              score.addPart("Strings", 7, 49, 64, 64, 70),
              score.addPart("Bass", 2, 34, 108, 64, 20),
              score.addPart("Drums", DrumChannel, 1, 96, 64, 30)};

    const std::vector<std::string> barsA{"C", "Am", "F", "G", "C", "Am", "Dm G", "C"};
    const std::vector<std::string> barsB{"F", "G", "Em", "Am", "Dm", "G", "Em A7", "Dm G"};
    const std::vector<Section> sections{
        {{"C", "Am", "F", "G"}, BellsCall, bells, 0, 1, false},
        {barsA, TuneA, marimba, 0, 1, false},
        {barsA, TuneA, marimba, 0, 2, true},
        {barsB, TuneB, clarinet, 0, 2, false},
        {barsA, TuneA, xylophone, 5, 2, false},
        {barsB, TuneB, clarinet, 5, 3, false},
        {{"G", "G", "G", "G7"}, BreakCall, xylophone, 0, 1, false},
        {barsA, TuneA, marimba, 0, 3, true},
    };

    double beat = 0;
    for (const Section& s : sections) {
        score.melody(s.leadPart, beat, s.tune, s.transpose, s.leadPart == clarinet ? 92 : 104, 0.9);
        if (s.bells)
            score.melody(bells, beat, s.tune, s.transpose + 12, 58, 0.6);
        for (std::size_t i = 0; i < s.bars.size(); ++i)
            band.bar(beat + 4.0 * i, s.bars[i], s.transpose, s.energy, i + 1 == s.bars.size(), i == 0);
        beat += 4.0 * s.bars.size();
    }

    // The outro winds down over three bars and lands on one long C.
    score.melody(marimba, beat, TuneOutro, 0, 104, 0.92);
    score.melody(bells, beat, TuneOutro, 12, 50, 0.6);
    const std::vector<std::string> outro{"C", "F", "G"};
    for (std::size_t i = 0; i < outro.size(); ++i)
        band.bar(beat + 4.0 * i, outro[i], 0, 2, i + 1 == outro.size(), i == 0);
    beat += 12;
    score.tempoAt(beat - 2, 116);
    score.tempoAt(beat, 100);
    for (const int key : {36, 48}) // bass
        score.note(band.bass, beat, 3.5, key, 100);
    for (const int key : {60, 64, 67, 72})
        score.note(band.pad, beat, 3.8, key, 64);
    for (const int key : {55, 60, 64, 67})
        score.note(band.comp, beat, 3.0, key, 80);
    score.note(band.drums, beat, 1, 49, 100);
    score.note(band.drums, beat, 0.25, 36, 104);
    return score.midi(beat + 5);
}

} // namespace assetgen
