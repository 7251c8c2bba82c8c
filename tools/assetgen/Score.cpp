#include "Score.h"

#include "PixelArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>

namespace assetgen {
namespace {

std::uint32_t tickOf(double beat)
{
    return std::uint32_t(std::lround(beat * TicksPerBeat));
}

int pitchClassNamed(const std::string& name, std::size_t& used)
{
    static const int Naturals[7] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    if (name.empty() || name[0] < 'A' || name[0] > 'G')
        throw std::runtime_error("not a note name: " + name);
    int pc = Naturals[name[0] - 'A'];
    used = 1;
    if (name.size() > 1 && name[1] == '#') {
        ++pc;
        used = 2;
    } else if (name.size() > 1 && name[1] == 'b') {
        --pc;
        used = 2;
    }
    return (pc + 12) % 12;
}

struct Written {
    double length;
    int key; // -1 for a rest
};

// The notes of a melody text, bar lines skipped.
std::vector<Written> writtenNotes(const std::string& text, int transpose)
{
    std::vector<Written> notes;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (word == "|")
            continue; // bar lines are for the reader
        const auto colon = word.find(':');
        if (colon == std::string::npos)
            throw std::runtime_error("melody word without length: " + word);
        const std::string pitch = word.substr(0, colon);
        notes.push_back({std::stod(word.substr(colon + 1)), pitch == "r" ? -1 : keyNamed(pitch) + transpose});
    }
    return notes;
}

double beatsOf(const std::string& text)
{
    double beats = 0;
    for (const Written& w : writtenNotes(text, 0))
        beats += w.length;
    return beats;
}

} // namespace

int keyNamed(const std::string& name)
{
    std::size_t used = 0;
    const int pc = pitchClassNamed(name, used);
    const int octave = std::stoi(name.substr(used));
    return (octave + 1) * 12 + pc;
}

Chord chordNamed(const std::string& name, int shift)
{
    std::size_t used = 0;
    Chord c;
    c.root = (pitchClassNamed(name, used) + shift + 120) % 12;
    const std::string kind = name.substr(used);
    if (kind.empty())
        c.tones = {0, 4, 7};
    else if (kind == "m")
        c.tones = {0, 3, 7};
    else if (kind == "7")
        c.tones = {0, 4, 7, 10};
    else if (kind == "m7")
        c.tones = {0, 3, 7, 10};
    else if (kind == "maj7")
        c.tones = {0, 4, 7, 11};
    else if (kind == "sus4")
        c.tones = {0, 5, 7};
    else if (kind == "add9")
        c.tones = {0, 4, 7, 14};
    else
        throw std::runtime_error("unknown chord: " + name);
    return c;
}

int keyAbove(int pitchClass, int low)
{
    int key = low - (low % 12) + pitchClass;
    while (key < low)
        key += 12;
    return key;
}

std::string withBars(const std::string& tune, const std::map<int, std::string>& bars)
{
    std::vector<std::string> written;
    std::istringstream in(tune);
    for (std::string bar; std::getline(in, bar, '|');)
        written.push_back(bar);
    for (const auto& [index, text] : bars) {
        if (index < 0 || index >= int(written.size()) || beatsOf(text) != beatsOf(written[std::size_t(index)]))
            throw std::runtime_error("a new bar " + std::to_string(index) + " of another length: " + text);
        written[std::size_t(index)] = " " + text + " ";
    }
    std::string out = written.front();
    for (std::size_t i = 1; i < written.size(); ++i)
        out += "|" + written[i];
    return out;
}

Score::Score(const QString& title, double beatsPerMinute, double liftDecibels)
    : conductor(title)
    , lift(std::pow(10.0, liftDecibels / 40)) // volume and velocity act on amplitude squared
{
    conductor.timeSignature(0, 4, 4);
    conductor.tempo(0, beatsPerMinute);
}

int Score::addPart(const QString& name, int channel, int program, int volume, int pan, int reverb)
{
    MidiTrack t(name);
    if (channel != DrumChannel)
        t.program(0, channel, program - 1);
    // The lift goes into the channel volume as far as it reaches, the rest
    // into the velocities of the part's notes.
    const double wanted = volume * lift;
    const int reached = std::min(127, int(std::lround(wanted)));
    velocityGains.push_back(wanted / reached);
    t.controller(0, channel, 7, reached);
    t.controller(0, channel, 11, 127); // no hush left over from another piece
    t.controller(0, channel, 10, pan);
    t.controller(0, channel, 91, reverb);
    parts.push_back(std::move(t));
    channels.push_back(channel);
    return int(parts.size()) - 1;
}

void Score::note(int part, double beat, double length, int key, int velocity)
{
    // A touch of unevenness so the parts breathe, the same on every run.
    const int humanise = int(hashOf(int(tickOf(beat)), key, part) % 9) - 4;
    const int played = int(std::lround((velocity + humanise) * velocityGains.at(part)));
    parts.at(part).note(tickOf(beat), tickOf(length), channels.at(part), key, played);
}

int Score::phrasing(double beatInTune, double length, bool phraseEnd)
{
    // A player leans on the first beat and less on the third, lightens the
    // notes between beats, swells through each two-bar phrase and lets its
    // last note fall away.
    const double inBar = std::fmod(beatInTune, 4.0);
    const double inPhrase = std::fmod(beatInTune, 8.0) / 8.0;
    int shape = int(std::lround(7 * std::sin(std::numbers::pi * inPhrase))) - 3;
    if (inBar == 0)
        shape += 8;
    else if (inBar == 2)
        shape += 4;
    else if (inBar != std::floor(inBar))
        shape -= 5;
    if (length >= 1.5)
        shape += 3;
    if (phraseEnd)
        shape -= 6;
    return shape;
}

double Score::melody(int part, double beat, const std::string& text, int transpose, int velocity, double legato)
{
    const std::vector<Written> notes = writtenNotes(text, transpose);
    const double start = beat;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const auto [length, key] = notes[i];
        if (key >= 0) {
            const bool phraseEnd = i + 1 == notes.size() || notes[i + 1].key < 0;
            note(part, beat, length * legato, key, velocity + phrasing(beat - start, length, phraseEnd));
        }
        beat += length;
    }
    return beat;
}

double Score::melody(const Voice& voice, double beat, const std::string& text, int transpose)
{
    return melody(voice.part, beat, text, voice.transpose + transpose, voice.velocity, voice.legato);
}

void Score::hush(const std::vector<int>& hushed, double beat, double decibels)
{
    // The expression controller scales a part as the channel volume does.
    const int expression = int(std::lround(127 * std::pow(10.0, -std::max(0.0, decibels) / 40)));
    for (const int part : hushed)
        parts.at(std::size_t(part)).controller(tickOf(beat), channels.at(std::size_t(part)), 11, expression);
}

void Score::tempoAt(double beat, double beatsPerMinute)
{
    conductor.tempo(tickOf(beat), beatsPerMinute);
}

QByteArray Score::midi(double endBeat) const
{
    std::vector<MidiTrack> all{conductor};
    all.insert(all.end(), parts.begin(), parts.end());
    std::uint32_t end = tickOf(endBeat);
    for (const MidiTrack& t : all)
        end = std::max(end, t.lastTick());
    return midiFile(all, TicksPerBeat, end);
}

} // namespace assetgen
