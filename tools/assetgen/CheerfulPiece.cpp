// "Crates in the Sun": the cheerful piece. Marimba and harp, clarinet and
// oboe over a guitar strummed in a way of its own in each section, pizzicato
// strings, bass and a light drum kit that steps back under the tunes.

#include "Music.h"
#include "Score.h"

#include <sstream>
#include <string>
#include <vector>

namespace assetgen {
namespace {

// Raised so that the music sits with the sound effects, not far beneath them;
// the leads are written a little softer, so that their phrasing survives the lift.
constexpr double Lift = 5.0;
constexpr double Tempo = 126;

const char* const TuneA =
    "E5:1.5 G5:.5 C6:1 r:.5 G5:.5 | A5:.75 G5:.25 E5:.5 C5:.5 E5:2 | "
    "F5:.5 A5:1 C6:.5 r:.5 A5:.5 F5:1 | G5:2.5 F5:.5 E5:.5 D5:.5 | "
    "E5:.5 G5:.5 C6:1.5 D6:.5 C6:1 | E6:1 r:.5 D6:.5 C6:.5 A5:1.5 | "
    "F5:.5 A5:.5 D6:1 B5:.75 A5:.25 G5:1 | C6:3 r:1";
// The contrasting section: long, singing notes in the minor over a thinner band.
const char* const TuneC =
    "A5:2 C6:1 B5:1 | B5:3 G5:1 | A5:1.5 G5:.5 F5:1 A5:1 | G5:3 r:1 | "
    "F5:1 A5:1 D6:2 | C6:1.5 B5:.5 A5:2 | A5:1 C6:1 F6:1.5 E6:.5 | D6:2 B5:1 G5:1";
const char* const TuneB =
    "C6:1.5 A5:.5 F5:1 A5:1 | B5:1.5 G5:.5 D5:1 G5:1 | E6:1 D6:.5 B5:.5 G5:1 B5:1 | C6:2 A5:1 r:1 | "
    "D6:.5 C6:.5 A5:.5 F5:.5 A5:1 D6:1 | B5:.5 A5:.5 G5:.5 D5:.5 G5:1 B5:1 | G5:1 E5:1 C#6:1 A5:1 | "
    "D6:1 F6:1 D6:.5 B5:.5 G5:1";
const char* const TuneOutro = "C6:1 G5:.5 E5:.5 C5:2 | A5:1 F5:.5 C5:.5 A4:2 | B4:.5 D5:.5 G5:.5 B5:.5 D6:2 | C6:4";
// The second and third time round, tune A is ornamented: passing notes, turns
// and cadences of their own; so is tune B when it comes back raised.
std::string tuneAAgain()
{
    return withBars(TuneA, {{0, "E5:1 F5:.5 G5:.5 C6:1 r:.5 G5:.5"},
                            {3, "G5:1.5 A5:.25 G5:.25 F#5:.25 G5:.25 F5:.5 E5:.5 D5:.5"},
                            {5, "E6:1 F6:.5 E6:.5 D6:.5 C6:.5 A5:1"},
                            {7, "C6:1 B5:.5 A5:.5 G5:.5 B5:.5 C6:1"}});
}

std::string tuneALast()
{
    return withBars(TuneA, {{0, "E5:1.5 G5:.5 C6:.5 D6:.25 C6:.25 B5:.5 G5:.5"},
                            {2, "F5:.5 G5:.5 A5:.5 C6:.5 r:.5 A5:.5 F5:1"},
                            {4, "E5:.5 G5:.5 C6:1 B5:.25 C6:.25 D6:.5 C6:1"},
                            {7, "C6:1.5 G5:.5 E6:1 C6:1"}});
}

std::string tuneBAgain()
{
    return withBars(TuneB, {{0, "C6:1.5 A5:.5 G5:.5 F5:.5 A5:1"},
                            {1, "B5:1.5 G5:.5 E5:.5 D5:.5 G5:1"},
                            {3, "C6:1 D6:.5 C6:.5 A5:1 r:1"},
                            {6, "G5:1 E5:1 C#6:.5 B5:.5 A5:1"},
                            {7, "D6:1 F6:1 E6:.5 D6:.5 B5:.5 G5:.5"}});
}

const char* const BellsCall = "G5:.5 A5:.5 B5:.5 D6:.5 G6:2";
const char* const BreakCall = "D6:.5 B5:.5 G5:1 r:2 | r:4 | D6:.5 B5:.5 G5:.5 B5:.5 D6:1 r:1 | G6:1 F6:1 D6:1 B5:1";

// A guitar bar: the chords struck, by beat, length and velocity.
struct Stroke {
    double beat;
    double length;
    int velocity;
};
using Strum = std::vector<Stroke>;
const Strum OffBeats{{1, .35, 68}, {3, .35, 62}}; // bright chords on two and four
const Strum Busy{{0, .45, 70}, {1, .4, 62}, {1.5, .3, 52}, {2.5, .3, 56}, {3, .4, 62}, {3.5, .3, 50}}; // down, down-up, up-down-up
const Strum Pushed{{0, 1.4, 66}, {1.5, 2.3, 60}}; // the second chord comes early and rings
const Strum Skanks{{.5, .3, 60}, {1.5, .3, 54}, {2.5, .3, 60}, {3.5, .3, 54}}; // every "and"

struct Section {
    std::vector<std::string> bars; // one or two chord names per bar
    std::string tune;
    std::vector<Voice> voices;
    int transpose;
    int energy; // 1 light, 2 full, 3 fullest
    const Strum& guitar;
    bool thin = false; // the middle of the piece: a sparser band that lets the tune breathe
    double hush = 0;   // decibels the band steps back under the tune
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

// Where a bar stands: its section's weight and its place in the section.
struct BarPlace {
    int energy;
    bool thin;
    int index;
    int count;
    const Strum& guitar;
    bool first() const { return index == 0; }
    bool last() const { return index + 1 == count; }
};

struct Band {
    Score& score;
    int comp, pizz, pad, bass, drums;

    std::vector<int> parts() const { return {comp, pizz, pad, bass, drums}; }

    void bar(double at, const std::string& chords, int shift, const BarPlace& place)
    {
        std::vector<Chord> harmony;
        for (const std::string& name : chordsOf(chords))
            harmony.push_back(chordNamed(name, shift));
        const double span = 4.0 / double(harmony.size());
        for (const Stroke& s : place.guitar) {
            const Chord& c = harmony[std::size_t(s.beat / span)];
            for (int t : c.tones)
                score.note(comp, at + s.beat, s.length, keyAbove((c.root + t) % 12, 55), s.velocity);
        }
        for (std::size_t i = 0; i < harmony.size(); ++i) {
            const Chord& c = harmony[i];
            const double start = at + i * span;
            bassLine(start, span, c, place);
            if (place.energy >= 2)
                pizzicato(start, span, c, place);
            if (place.energy >= 3 || (place.thin && place.index % 4 == 0))
                for (int t : c.tones)
                    score.note(pad, start, (place.thin ? 4 * span : span) - 0.05, keyAbove((c.root + t) % 12, 60), 50);
        }
        drumsFor(at, place);
    }

    void bassLine(double start, double span, const Chord& c, const BarPlace& place)
    {
        const int root = keyAbove(c.root, 36);
        const int fifth = root + 7;
        score.note(bass, start, 0.9, root, 100);
        if (span < 4) {
            score.note(bass, start + 1, 0.9, fifth, 88);
            return;
        }
        if (place.thin) {
            // Half notes: room for the tune.
            score.note(bass, start + 2, 1.8, fifth, 90);
            return;
        }
        if (place.energy >= 2)
            score.note(bass, start + 1.5, 0.4, root, 80);
        score.note(bass, start + 2, 0.9, fifth, 92);
        score.note(bass, start + 3, 0.45, root + 12, 84);
        if (place.energy >= 2)
            score.note(bass, start + 3.5, 0.45, fifth, 78);
    }

    void pizzicato(double start, double span, const Chord& c, const BarPlace& place)
    {
        std::vector<int> keys;
        for (int octave = 0; octave < 2; ++octave)
            for (int t : c.tones)
                keys.push_back(keyAbove((c.root + t) % 12, 60) + 12 * octave);
        if (place.thin) {
            // Every other bar, a few plucks on the beats.
            if (place.index % 2 == 1)
                for (int k = 0; k < int(span); k += 2)
                    score.note(pizz, start + k, 0.4, keys[(k / 2 + 1) % keys.size()], 64);
            return;
        }
        // Up and down the chord in quavers, with a rest in the last bar of a phrase.
        static const int Order[8] = {0, 1, 2, 3, 4, 3, 2, 1};
        const int count = place.index % 4 == 3 ? int(span) : int(span * 2);
        for (int k = 0; k < count; ++k)
            score.note(pizz, start + k * 0.5, 0.3, keys[Order[k] % keys.size()], k % 2 ? 56 : (k % 4 ? 66 : 74));
    }

    void drumsFor(double at, const BarPlace& place)
    {
        constexpr int Kick = 36, Stick = 37, Snare = 38, HatClosed = 42, HatOpen = 46, Crash = 49, Ride = 51;
        constexpr int TomHigh = 50, TomMid = 47, TomLow = 45;
        const bool fill = place.last();
        if (place.first())
            score.note(drums, at, 1, Crash, place.energy >= 2 ? 96 : 70);
        if (place.thin) {
            // A lighter kit: unless the section is at its fullest, its first
            // half rests; then kick, side stick and a ride on the beats.
            if (place.energy < 3 && place.index < place.count / 2)
                return;
            score.note(drums, at, 0.25, Kick, 90);
            score.note(drums, at + 3, 0.25, Stick, 70);
            for (int k = 0; k < 4; ++k)
                score.note(drums, at + k, 0.4, Ride, k == 0 ? 70 : 54);
            return;
        }
        score.note(drums, at, 0.25, Kick, 104);
        score.note(drums, at + 2, 0.25, Kick, 94);
        if (place.energy >= 3)
            score.note(drums, at + 2.5, 0.25, Kick, 78);
        for (const double b : {1.0, 3.0})
            if (!(fill && b == 3.0))
                score.note(drums, at + b, 0.25, place.energy >= 2 ? Snare : Stick, place.energy >= 2 ? 90 : 76);
        for (int k = 0; k < 8; ++k) {
            if (fill && k >= 6)
                break;
            const bool open = place.energy >= 3 && k == 7;
            score.note(drums, at + k * 0.5, 0.25, open ? HatOpen : HatClosed, k % 2 ? 48 : (k % 4 ? 62 : 70));
        }
        if (fill) {
            const int toms[4] = {TomHigh, TomHigh, TomMid, TomLow};
            for (int k = 0; k < 4; ++k)
                score.note(drums, at + 3 + k * 0.25, 0.2, place.energy >= 2 ? toms[k] : Snare, 72 + k * 7);
        }
    }
};

// The outro winds down over three bars and lands on one long C.
double outro(Score& score, Band& band, const std::vector<Voice>& voices, double beat)
{
    score.hush(band.parts(), beat, 6.5); // the band lets the tune close alone ...
    for (const Voice& v : voices)
        score.melody(v, beat, TuneOutro);
    const std::vector<std::string> chords{"C", "F", "G"};
    for (std::size_t i = 0; i < chords.size(); ++i)
        band.bar(beat + 4.0 * i, chords[i], 0, {2, false, int(i), int(chords.size()), OffBeats});
    beat += 12;
    score.tempoAt(beat - 2, 116);
    score.tempoAt(beat, 100);
    score.hush(band.parts(), beat, 0); // ... and comes back for the last chord
    for (const int key : {36, 48}) // bass
        score.note(band.bass, beat, 3.5, key, 100);
    for (const int key : {60, 64, 67, 72})
        score.note(band.pad, beat, 3.8, key, 64);
    for (const int key : {55, 60, 64, 67})
        score.note(band.comp, beat, 3.0, key, 80);
    score.note(band.drums, beat, 1, 49, 100);
    score.note(band.drums, beat, 0.25, 36, 104);
    return beat + 5;
}

} // namespace

QByteArray cheerfulPiece()
{
    Score score("Crates in the Sun", Tempo, Lift);
    // The tunes are played in pairs, because the SoundFonts disagree: the
    // marimba, the glockenspiel and the clarinet are loud in FluidR3_GM and
    // soft in TimGM6mb, the harp and the oboe the other way round.
    const Voice marimba{score.addPart("Marimba", 0, 13, 112, 56, 40), 0, 94, 0.9};
    const Voice clarinet{score.addPart("Clarinet", 4, 72, 92, 72, 50), 0, 80, 0.96};
    const Voice xylophone{score.addPart("Xylophone", 6, 14, 96, 50, 45), 0, 124, 0.9};
    const Voice bells{score.addPart("Glockenspiel", 5, 10, 95, 84, 60), 12, 40, 0.6};
    const Voice oboe{score.addPart("Oboe", 8, 69, 96, 60, 55), 0, 80, 0.96};
    const Voice harp{score.addPart("Harp", 10, 47, 96, 50, 40), 0, 78, 0.9};
    Band band{score,
              score.addPart("Guitar", 1, 26, 78, 38, 40),
              score.addPart("Pizzicato", 3, 46, 74, 92, 50),
              score.addPart("Strings", 7, 50, 64, 64, 70),
              score.addPart("Bass", 2, 34, 108, 64, 20),
              score.addPart("Drums", DrumChannel, 1, 96, 64, 30)};

    const std::vector<std::string> barsA{"C", "Am", "F", "G", "C", "Am", "Dm G", "C"};
    const std::vector<std::string> barsB{"F", "G", "Em", "Am", "Dm", "G", "Em A7", "Dm G"};
    const std::vector<std::string> barsC{"Am", "Em", "F", "C", "Dm", "Am", "F", "G7"};
    const std::vector<Section> sections{
        {{"C", "Am", "F"}, "", {}, 0, 1, OffBeats},
        {{"G"}, BellsCall, {{bells.part, 0, 86, 0.9}, {harp.part, 0, 64, 0.9}}, 0, 1, OffBeats, false, 8},
        {barsA, TuneA, {marimba, harp}, 0, 1, OffBeats, false, 4.5},
        {barsA, tuneAAgain(), {marimba, harp, bells}, 0, 2, Busy, false, 4.5},
        {barsB, TuneB, {clarinet, oboe}, 0, 2, Pushed, true},
        {barsC, TuneC, {oboe, {clarinet.part, 0, 68, 0.96}}, 0, 2, Skanks, true},
        {barsB, tuneBAgain(), {clarinet, oboe}, 5, 3, Busy, true},
        {{"G", "G", "G", "G7"}, BreakCall, {xylophone}, 0, 1, OffBeats, true, 13},
        {barsA, tuneALast(), {marimba, harp, bells}, 0, 3, Busy, false, 4.5},
    };

    double beat = 0;
    for (const Section& s : sections) {
        score.hush(band.parts(), beat, s.hush);
        for (const Voice& v : s.voices)
            score.melody(v, beat, s.tune, s.transpose);
        const int count = int(s.bars.size());
        for (int i = 0; i < count; ++i)
            band.bar(beat + 4.0 * i, s.bars[i], s.transpose, {s.energy, s.thin, i, count, s.guitar});
        beat += 4.0 * count;
    }
    return score.midi(outro(score, band, {{marimba.part, 0, 96, 0.92}, harp, {bells.part, 12, 28, 0.6}}, beat));
}

} // namespace assetgen
