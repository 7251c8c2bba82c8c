#pragma once
// A small score to write music in: parts on General MIDI channels, notes by
// beat, melodies written as text, chords by name.

#include "MidiWriter.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <string>
#include <vector>

namespace assetgen {

constexpr int TicksPerBeat = 480;
constexpr int DrumChannel = 9;

/// "C4" is 60, "A4" 69, "F#3" 54, "Bb5" 82.
int keyNamed(const std::string& name);

struct Chord {
    int root = 0;              // pitch class 0..11
    std::vector<int> tones;    // intervals above the root, the root itself first
};

/// "C", "Am", "G7", "Cmaj7", "Dm7", "E7", "Fsus4"...; transposed by `shift` semitones.
Chord chordNamed(const std::string& name, int shift = 0);

/// The key of a pitch class in the octave starting at `low` (low <= key < low + 12).
int keyAbove(int pitchClass, int low);

/// A melody text (see Score::melody) with some of its bars, counted from 0, written
/// anew: how a tune is ornamented when it comes round again. A new bar must last
/// as long as the bar it replaces.
std::string withBars(const std::string& tune, const std::map<int, std::string>& bars);

/// A part playing a tune, and how: shifted by `transpose` semitones, at
/// `velocity`, each note sounding for `legato` of its written length.
struct Voice {
    int part;
    int transpose;
    int velocity;
    double legato;
};

class Score {
public:
    /// `liftDecibels` raises every part by that much above its written level.
    Score(const QString& title, double beatsPerMinute, double liftDecibels = 0);

    /// A part on its own track; `program` is the General MIDI number counted from 1.
    int addPart(const QString& name, int channel, int program, int volume, int pan, int reverb);
    void note(int part, double beat, double length, int key, int velocity);
    /// Plays "E5:.5 G5:.5 r:1 C6:1.5" from `beat`, shifted by `transpose`
    /// semitones; notes sound for `legato` of their written length. Returns the beat after it.
    double melody(int part, double beat, const std::string& text, int transpose, int velocity,
                  double legato = 0.92);
    /// The same, as the voice plays it, shifted by a further `transpose` semitones.
    double melody(const Voice& voice, double beat, const std::string& text, int transpose = 0);
    /// From `beat` on, the parts play `decibels` under their written level (0 for
    /// as written): how a band steps back under a tune.
    void hush(const std::vector<int>& parts, double beat, double decibels);
    void tempoAt(double beat, double beatsPerMinute);
    QByteArray midi(double endBeat) const;

private:
    /// How much louder (or softer) than written a melody note is played.
    static int phrasing(double beatInTune, double length, bool phraseEnd);

    MidiTrack conductor;
    std::vector<MidiTrack> parts;
    std::vector<int> channels;
    std::vector<double> velocityGains; // per part, what the channel volume could not lift
    double lift;
};

} // namespace assetgen
